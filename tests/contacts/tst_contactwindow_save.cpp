#include "ContactWindowFixture.h"

#include <QAction>

using namespace testsupport;
using platform::Answer;

namespace {

// Three contacts; the window shows record 2 with every box emptied but the last name.
void openOnBob(ContactWindowFixture& f, bool remindersOn = false)
{
    f.openWith({person("Ann", "Lee", {{&contacts::ContactRecord::BdayReminder, remindersOn ? "1" : "0"}}),
                person("Bob", "Ray"), person("Cy", "Sun")});
    f.pickRecord(2);
    for (const char* name : kContactBoxes)
        f.c(name)->clear();
    f.c("txtACLName")->setText(QStringLiteral("Ray"));
}

// Save is refused with this message: focus on the box, file unchanged.
void checkRefused(ContactWindowFixture& f, const QString& box, const QString& title, const QString& message)
{
    const QByteArray before = f.fileBytes();
    f.app.messages.expect(title, message);
    f.click("cmdSave");
    QVERIFY(f.app.messages.allShown());
    QCOMPARE(f.window().focusWidget(), f.c<QWidget>(qPrintable(box)));
    QCOMPARE(f.fileBytes(), before);
}

}  // namespace

class TestContactWindowSave : public QObject {
    Q_OBJECT

private slots:
    void savesTheNormalisedContactInPlace()
    {
        ContactWindowFixture f;
        openOnBob(f, true);
        const QByteArray before = f.fileBytes();
        const std::pair<const char*, const char*> typed[] = {
            {"txtACFName", "Ann"}, {"txtACMiddleInit", "j."}, {"txtACLName", "Lee"}, {"txtACFStreet", "12 Oak St, Apt 4"},
            {"txtACCity", "Boston,"}, {"txtACState", "ma"}, {"txtACZip", "02134"}, {"txtACCountry", "usa"},
            {"txtACHPhone", "+1 (617) 555-0100"}, {"txtACWPhone", "(617)555 0199"}, {"txtACEmail", "ann@example.com"},
            {"txtACBirthdate", "04/10/1980"}, {"txtACCategory", "Golf,Friends"}, {"txtACNotes", "Met, 2019"},
            {"txtACCompany", "Lee, Inc."}};
        for (const auto& [box, text] : typed)
            f.c(box)->setText(QString::fromLatin1(text));
        f.c<QCheckBox>("chkCompanyInclude")->setChecked(false);

        f.app.messages.expect(QStringLiteral("Changes saved"), QStringLiteral("S A V E D"));
        f.click("cmdSave");
        QVERIFY(f.app.messages.allShown());
        const QByteArray expected = padded("Ann", 14) + '|' + "J|" + padded("Lee", 18) + '|' + padded("12 Oak St Apt 4", 30)
            + '|' + padded("", 15) + '|' + padded("Boston", 16) + "|MA|" + padded("02134", 10) + '|' + padded("USA", 19)
            + '|' + padded("1617-555-0100", 15) + '|' + padded("", 15) + '|' + padded("617-5550199", 13) + '|'
            + padded("ann@example.com", 50) + "|19800410|" + padded("Golf Friends", 80) + '|' + padded("Met  2019", 160)
            + '|' + padded("Lee Inc.", 30) + "|1|1\r\n";
        const QByteArray after = f.fileBytes();
        QCOMPARE(after, before.left(518) + expected + before.mid(1036));

        // The boxes keep the cleaned text; initial, state and country stay as typed.
        QCOMPARE(f.text("txtACMiddleInit"), QStringLiteral("j"));
        QCOMPARE(f.text("txtACState"), QStringLiteral("ma"));
        QCOMPARE(f.text("txtACCity"), QStringLiteral("Boston"));
        QVERIFY(f.c<QCheckBox>("chkCompanyInclude")->isChecked());
        QCOMPARE(f.findList()->itemText(1), QStringLiteral("Bob  Ray"));  // the list is not refilled
        QVERIFY(f.m<QAction>("mnuFileBdayOff")->isEnabled());

        // Saved again with the company and the birth date cleared and reminders off.
        f.c("txtACCompany")->clear();
        f.c<QCheckBox>("chkCompanyInclude")->setChecked(true);
        f.c("txtACBirthdate")->clear();
        f.m<QAction>("mnuFileBdayOff")->trigger();
        f.app.messages.expect(QStringLiteral("Changes saved"), QStringLiteral("S A V E D"));
        f.click("cmdSave");
        const QByteArray record = f.fileBytes().mid(518, 518);
        QCOMPARE(record.mid(231, 8), QByteArray(8, ' '));
        QCOMPARE(record.mid(482), padded("", 30) + "|0|0\r\n");
        QVERIFY(!f.c<QCheckBox>("chkCompanyInclude")->isChecked());
        QVERIFY(f.m<QAction>("mnuFileBdayOn")->isEnabled() && !f.m<QAction>("mnuFileBdayOff")->isEnabled());
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString date = QStringLiteral("txtACBirthdate");
        const QString format = QStringLiteral("Date must be in format MM/DD/YYYY   Example: April 10, 1980 is 04/10/1980");
        const QString invalid = QStringLiteral("Birthdate must be a valid date in MM/DD/YYYY format.  Example: 05/12/1988");
        QTest::newRow("9 characters") << date << "4/10/1980" << format;
        QTest::newRow("year not a number") << date << "04/10/19x0" << "Year must be an actual 4-digit year.  Example: 1988";
        QTest::newRow("year ends in a blank") << date << "04/10/198 " << "Year must be a 4-digit year, no spaces.  Example: 1988";
        QTest::newRow("month 13") << date << "13/10/1980" << "Month must be a number no greater than 12.  Example: 07";
        QTest::newRow("month letters") << date << "ab/10/1980" << "Month must be a 2-digit month.  Example: 08";
        QTest::newRow("30 February") << date << "02/30/1980" << invalid;
        QTest::newRow("day blank") << date << "02/ 3/1980" << "Day must be a 2-digit day, no spaces.  Example: 26";
        QTest::newRow("month leading blank") << date << " 2/03/1980" << "Month must be a 2-digit month, no spaces.  Example: 03";
        QTest::newRow("month trailing blank") << date << "2 /03/1980" << "Month must be a 2-digit month, no spaces.  Example: 07";
        QTest::newRow("year blank") << date << "02/03/ 980"
                                    << "Birthdate must be a valid date in MM/DD/YYYY format. No spaces.  Example: 05/12/1988";
        QTest::newRow("first name") << "txtACFName" << QString(15, u'a') << "First name must be 14 characters or less.";
        QTest::newRow("initial J.K.") << "txtACMiddleInit" << "J.K." << "Enter only 1 character for middle initial.";
        QTest::newRow("last name and comma") << "txtACLName" << QString(18, u'a') + "," << "Enter last name, 18 characters or less.";
        QTest::newRow("last name empty") << "txtACLName" << "" << "Enter last name, 18 characters or less.";
        QTest::newRow("street") << "txtACFStreet" << QString(31, u'a') << "Street address must be 30 characters or less.";
        QTest::newRow("street2") << "txtACSStreet" << QString(16, u'a') << "Street address2 must be 15 characters or less.";
        QTest::newRow("city and comma") << "txtACCity" << QString(16, u'a') + "," << "City must be 16 characters or less.";
        QTest::newRow("state 1") << "txtACState" << "N" << "State must be 2 character abbreviation.";
        QTest::newRow("zip") << "txtACZip" << "12345-67890" << "Zip Code must be 10 characters or less.";
        QTest::newRow("country") << "txtACCountry" << QString(20, u'a') << "Country must be 19 characters or less. For example, USA.";
        QTest::newRow("company") << "txtACCompany" << QString(31, u'a') << "Company Name must be 30 characters or less.";
        QTest::newRow("home phone") << "txtACHPhone" << "(555) 123-456789012" << "Home Phone must be 15 characters or less.";
        QTest::newRow("cell phone") << "txtACCPhone" << "5551234567890123" << "Cell Phone must be 15 characters or less.";
        QTest::newRow("work phone") << "txtACWPhone" << "55512345678901" << "Work Phone must be 13 characters or less.";
        QTest::newRow("email long") << "txtACEmail" << QString(41, u'a') + "@b.example" << "Email address must be 50 characters or less.";
        QTest::newRow("email comma") << "txtACEmail" << "a,b@c.d" << "Email address cannot contain a comma.";
        QTest::newRow("email blank, before @") << "txtACEmail" << "a b" << "Email address cannot contain a space.";
        QTest::newRow("email without @") << "txtACEmail" << "ab.example" << "Email address must contain the '@' character.";
        QTest::newRow("email without .") << "txtACEmail" << "a@b" << "Email address must contain the '.' character.";
        QTest::newRow("category") << "txtACCategory" << QString(81, u'a') << "Category must be 80 characters or less.";
        QTest::newRow("notes") << "txtACNotes" << QString(161, u'a') << "Notes must be 160 characters or less.";
    }
    void refusals()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        ContactWindowFixture f;
        openOnBob(f);
        const bool date = box == QStringLiteral("txtACBirthdate");
        f.c("txtACFName")->setText(QStringLiteral("Bo,b"));
        f.c("txtACCity")->setText(QStringLiteral("Rome,"));
        f.c(qPrintable(box))->setText(typed);
        checkRefused(f, box, date ? QStringLiteral("Date error") : QStringLiteral("Incorrect entry"), message);
        // The date is checked before any box is cleaned; a later refusal keeps earlier cleaning,
        // but the city loses its comma only once every check has passed.
        if (box != QStringLiteral("txtACFName"))
            QCOMPARE(f.text("txtACFName"), date ? QStringLiteral("Bo,b") : QStringLiteral("Bob"));
        if (box != QStringLiteral("txtACCity"))
            QCOMPARE(f.text("txtACCity"), QStringLiteral("Rome,"));
    }

    void failureWritesNothing_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<bool>("fileOpen");
        QTest::addColumn<QString>("error");
        QTest::newRow("record 0") << 0 << true << "63 -- Bad record number";
        QTest::newRow("one past the end") << 4 << true << "63 -- Bad record number";
        QTest::newRow("no file open") << 2 << false << "52 -- Bad file name or number";
    }

    void failureWritesNothing()
    {
        QFETCH(int, record);
        QFETCH(bool, fileOpen);
        QFETCH(QString, error);
        ContactWindowFixture f;
        openOnBob(f);
        const QByteArray before = f.fileBytes();
        f.app.state.lngCurrentRecord = record;
        if (!fileOpen)
            f.app.state.contactFile.close();
        f.c("txtACCity")->setText(QStringLiteral("Rome,"));

        f.expectError(error, Answer::Retry);
        f.click("cmdSave");
        QVERIFY(f.app.messages.allShown());
        QVERIFY(f.window().isVisible());
        QCOMPARE(f.text("txtACCity"), QStringLiteral("Rome,"));  // reported before any box is cleaned

        f.expectError(error, Answer::Cancel);
        f.click("cmdSave");
        ContactWindowFixture::settle();
        QVERIFY(!f.windowLoaded());
        QVERIFY(f.mainWindow().isVisible());
        QCOMPARE(f.fileBytes(), before);
    }
};

QTEST_MAIN(TestContactWindowSave)
#include "tst_contactwindow_save.moc"
