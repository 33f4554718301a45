#include "ContactWindowFixture.h"

#include <QAction>
#include <QTest>

using namespace testsupport;
using platform::Answer;
using platform::Buttons;
using platform::FormId;
using platform::Icon;

namespace {

const char* const kContactBoxes[] = {"txtACFName",  "txtACMiddleInit", "txtACLName",     "txtACFStreet",
                                     "txtACSStreet", "txtACCity",      "txtACState",     "txtACZip",
                                     "txtACCountry", "txtACHPhone",    "txtACCPhone",    "txtACWPhone",
                                     "txtACEmail",   "txtACBirthdate", "txtACCategory",  "txtACNotes",
                                     "txtACCompany"};

// A record as bytes, field by field in the file's layout.
QByteArray recordBytes(std::initializer_list<QByteArray> fields)
{
    QByteArray out;
    for (const QByteArray& field : fields) {
        if (!out.isEmpty())
            out += '|';
        out += field;
    }
    return out + "\r\n";
}

}  // namespace

class TestContactWindowSave : public QObject {
    Q_OBJECT

private:
    // Three contacts; the window shows record 2 (Bob Ray), every box then emptied except
    // the last name.
    void openOnBob(ContactWindowFixture& f, bool remindersOn)
    {
        contacts::ContactRecord first = person("Ann", "", "Lee");
        first.BdayReminder = remindersOn ? QStringLiteral("1") : QStringLiteral("0");
        f.openWith({first, person("Bob", "", "Ray"), person("Cy", "", "Sun")});
        f.pickRecord(2);
        for (const char* name : kContactBoxes)
            f.box(name)->clear();
        f.box("txtACLName")->setText(QStringLiteral("Ray"));
    }
    void expectRefusal(ContactWindowFixture& f, const QString& title, const QString& text)
    {
        f.app.messages.expect(title, text, Buttons::Ok, Icon::None, Answer::Ok);
    }

private slots:
    void savesTheNormalisedContactInPlace();
    void remindersOffStoreZero();
    void birthdateRefusals_data();
    void birthdateRefusals();
    void birthdateStoredAsYearMonthDay();
    void boxRefusals_data();
    void boxRefusals();
    void refusalKeepsEarlierCleaning();
    void companyFlag();
    void staleRecordNumberWritesNothing_data();
    void staleRecordNumberWritesNothing();
    void noContactFileOpen();
};

void TestContactWindowSave::savesTheNormalisedContactInPlace()
{
    ContactWindowFixture f;
    openOnBob(f, true);
    const QByteArray before = f.fileBytes();
    QVERIFY(!f.m<QAction>(QStringLiteral("mnuFileBdayOn"))->isEnabled());

    f.box("txtACFName")->setText(QStringLiteral("Ann"));
    f.box("txtACMiddleInit")->setText(QStringLiteral("j."));
    f.box("txtACLName")->setText(QStringLiteral("Lee"));
    f.box("txtACFStreet")->setText(QStringLiteral("12 Oak St, Apt 4"));
    f.box("txtACCity")->setText(QStringLiteral("Boston,"));
    f.box("txtACState")->setText(QStringLiteral("ma"));
    f.box("txtACZip")->setText(QStringLiteral("02134"));
    f.box("txtACCountry")->setText(QStringLiteral("usa"));
    f.box("txtACHPhone")->setText(QStringLiteral("+1 (617) 555-0100"));
    f.box("txtACWPhone")->setText(QStringLiteral("(617)555 0199"));
    f.box("txtACEmail")->setText(QStringLiteral("ann@example.com"));
    f.box("txtACBirthdate")->setText(QStringLiteral("04/10/1980"));
    f.box("txtACCategory")->setText(QStringLiteral("Golf,Friends"));
    f.box("txtACNotes")->setText(QStringLiteral("Met, 2019"));
    f.box("txtACCompany")->setText(QStringLiteral("Lee, Inc."));
    f.c<QCheckBox>(QStringLiteral("chkCompanyInclude"))->setChecked(false);

    f.app.messages.expect(QStringLiteral("Changes saved"), QStringLiteral("S A V E D"));
    f.click("cmdSave");
    QVERIFY(f.app.messages.allShown());

    const QByteArray expected = recordBytes({
        padded("Ann", 14), padded("J", 1), padded("Lee", 18), padded("12 Oak St Apt 4", 30), padded("", 15),
        padded("Boston", 16), padded("MA", 2), padded("02134", 10), padded("USA", 19),
        padded("1617-555-0100", 15), padded("", 15), padded("617-5550199", 13), padded("ann@example.com", 50),
        padded("19800410", 8), padded("Golf Friends", 80), padded("Met  2019", 160), padded("Lee Inc.", 30),
        padded("1", 1), padded("1", 1),
    });
    QCOMPARE(expected.size(), 518);
    const QByteArray after = f.fileBytes();
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.mid(518, 518), expected);
    QCOMPARE(after.left(518), before.left(518));
    QCOMPARE(after.mid(1036), before.mid(1036));

    // The boxes keep the cleaned text; initial, state and country stay as typed.
    QCOMPARE(f.box("txtACMiddleInit")->text(), QStringLiteral("j"));
    QCOMPARE(f.box("txtACState")->text(), QStringLiteral("ma"));
    QCOMPARE(f.box("txtACCountry")->text(), QStringLiteral("usa"));
    QCOMPARE(f.box("txtACCity")->text(), QStringLiteral("Boston"));
    QCOMPARE(f.box("txtACHPhone")->text(), QStringLiteral("1617-555-0100"));
    QCOMPARE(f.box("txtACCompany")->text(), QStringLiteral("Lee Inc."));
    QVERIFY(f.c<QCheckBox>(QStringLiteral("chkCompanyInclude"))->isChecked());
    // The find list still shows the name as it was filled.
    QCOMPARE(f.findList()->itemText(1), QStringLiteral("Bob  Ray"));
    QCOMPARE(f.box("txtRN")->text(), QStringLiteral("2"));
    QVERIFY(f.m<QAction>(QStringLiteral("mnuFileBdayOff"))->isEnabled());
    QVERIFY(f.window().isVisible());

    // A second save rewrites the same record.
    f.app.messages.expect(QStringLiteral("Changes saved"), QStringLiteral("S A V E D"));
    f.click("cmdSave");
    QCOMPARE(f.fileBytes(), after);
}

void TestContactWindowSave::remindersOffStoreZero()
{
    ContactWindowFixture f;
    openOnBob(f, false);
    auto* on = f.m<QAction>(QStringLiteral("mnuFileBdayOn"));
    auto* off = f.m<QAction>(QStringLiteral("mnuFileBdayOff"));
    const bool onBefore = on->isEnabled();
    const bool offBefore = off->isEnabled();
    QVERIFY(onBefore);

    f.app.messages.expect(QStringLiteral("Changes saved"), QStringLiteral("S A V E D"));
    f.click("cmdSave");
    const QByteArray record = f.fileBytes().mid(518, 518);
    QCOMPARE(record.mid(513, 5), QByteArray("0|0\r\n"));
    // An empty birth date is stored as 8 blanks and an empty state as 2.
    QCOMPARE(record.mid(231, 8), QByteArray(8, ' '));
    QCOMPARE(on->isEnabled(), onBefore);
    QCOMPARE(off->isEnabled(), offBefore);
}

void TestContactWindowSave::birthdateRefusals_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const QString format = QStringLiteral("Date must be in format MM/DD/YYYY   Example: April 10, 1980 is 04/10/1980");
    QTest::newRow("9 characters") << "4/10/1980" << format;
    QTest::newRow("dashes") << "04-10-1980" << format;
    QTest::newRow("year not a number") << "04/10/19x0" << "Year must be an actual 4-digit year.  Example: 1988";
    QTest::newRow("year ending in a blank") << "04/10/198 " << "Year must be a 4-digit year, no spaces.  Example: 1988";
    QTest::newRow("month 13") << "13/10/1980" << "Month must be a number no greater than 12.  Example: 07";
    QTest::newRow("month letters") << "ab/10/1980" << "Month must be a 2-digit month.  Example: 08";
    QTest::newRow("30 February") << "02/30/1980"
                                 << "Birthdate must be a valid date in MM/DD/YYYY format.  Example: 05/12/1988";
    QTest::newRow("day letters") << "02/xy/1980"
                                 << "Birthdate must be a valid date in MM/DD/YYYY format.  Example: 05/12/1988";
    QTest::newRow("day with a blank") << "02/ 3/1980" << "Day must be a 2-digit day, no spaces.  Example: 26";
    QTest::newRow("month with a leading blank") << " 2/03/1980"
                                                << "Month must be a 2-digit month, no spaces.  Example: 03";
    QTest::newRow("month with a trailing blank") << "2 /03/1980"
                                                 << "Month must be a 2-digit month, no spaces.  Example: 07";
    QTest::newRow("blank in the year") << "02/03/ 980"
                                       << "Birthdate must be a valid date in MM/DD/YYYY format. No spaces.  Example: 05/12/1988";
}

void TestContactWindowSave::birthdateRefusals()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    ContactWindowFixture f;
    openOnBob(f, false);
    const QByteArray before = f.fileBytes();
    f.box("txtACFName")->setText(QStringLiteral("Bob,"));  // not cleaned: the date is checked first
    f.box("txtACBirthdate")->setText(typed);

    expectRefusal(f, QStringLiteral("Date error"), message);
    f.click("cmdSave");
    QVERIFY(f.app.messages.allShown());
    QCOMPARE(f.window().focusWidget(), f.box("txtACBirthdate"));
    QCOMPARE(f.fileBytes(), before);
    QCOMPARE(f.box("txtACFName")->text(), QStringLiteral("Bob,"));
}

void TestContactWindowSave::birthdateStoredAsYearMonthDay()
{
    ContactWindowFixture f;
    openOnBob(f, false);
    f.box("txtACBirthdate")->setText(QStringLiteral("02/29/1988"));
    f.app.messages.expect(QStringLiteral("Changes saved"), QStringLiteral("S A V E D"));
    f.click("cmdSave");
    QCOMPARE(f.fileBytes().mid(518 + 231, 8), QByteArray("19880229"));
    // Shown again as typed when the contact is browsed back to.
    f.click("cmdFirst");
    f.click("cmdNext");
    QCOMPARE(f.box("txtACBirthdate")->text(), QStringLiteral("02/29/1988"));
}

void TestContactWindowSave::boxRefusals_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("first name 15") << "txtACFName" << QString(15, u'a') << "First name must be 14 characters or less.";
    QTest::newRow("initial J.K.") << "txtACMiddleInit" << "J.K." << "Enter only 1 character for middle initial.";
    QTest::newRow("last name 18 plus comma") << "txtACLName" << QString(18, u'a') + "," << "Enter last name, 18 characters or less.";
    QTest::newRow("last name empty") << "txtACLName" << "" << "Enter last name, 18 characters or less.";
    QTest::newRow("street 31") << "txtACFStreet" << QString(31, u'a') << "Street address must be 30 characters or less.";
    QTest::newRow("street2 16") << "txtACSStreet" << QString(16, u'a') << "Street address2 must be 15 characters or less.";
    QTest::newRow("city 16 plus comma") << "txtACCity" << QString(16, u'a') + "," << "City must be 16 characters or less.";
    QTest::newRow("state 1") << "txtACState" << "N" << "State must be 2 character abbreviation.";
    QTest::newRow("state 3") << "txtACState" << "NYC" << "State must be 2 character abbreviation.";
    QTest::newRow("zip 11") << "txtACZip" << "12345-67890" << "Zip Code must be 10 characters or less.";
    QTest::newRow("country 20") << "txtACCountry" << QString(20, u'a') << "Country must be 19 characters or less. For example, USA.";
    QTest::newRow("company 31") << "txtACCompany" << QString(31, u'a') << "Company Name must be 30 characters or less.";
    QTest::newRow("home phone 16") << "txtACHPhone" << "(555) 123-456789012" << "Home Phone must be 15 characters or less.";
    QTest::newRow("cell phone 16") << "txtACCPhone" << "5551234567890123" << "Cell Phone must be 15 characters or less.";
    QTest::newRow("work phone 14") << "txtACWPhone" << "55512345678901" << "Work Phone must be 13 characters or less.";
    QTest::newRow("email 51") << "txtACEmail" << QString(41, u'a') + "@b.example" << "Email address must be 50 characters or less.";
    QTest::newRow("email comma") << "txtACEmail" << "a,b@c.d" << "Email address cannot contain a comma.";
    QTest::newRow("email blank before @ test") << "txtACEmail" << "a b" << "Email address cannot contain a space.";
    QTest::newRow("email without @") << "txtACEmail" << "ab.example" << "Email address must contain the '@' character.";
    QTest::newRow("email without .") << "txtACEmail" << "a@b" << "Email address must contain the '.' character.";
    QTest::newRow("category 81") << "txtACCategory" << QString(81, u'a') << "Category must be 80 characters or less.";
    QTest::newRow("notes 161") << "txtACNotes" << QString(161, u'a') << "Notes must be 160 characters or less.";
}

void TestContactWindowSave::boxRefusals()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    ContactWindowFixture f;
    openOnBob(f, false);
    const QByteArray before = f.fileBytes();
    f.c<QLineEdit>(box)->setText(typed);

    expectRefusal(f, QStringLiteral("Incorrect entry"), message);
    f.click("cmdSave");
    QVERIFY(f.app.messages.allShown());
    QCOMPARE(f.window().focusWidget(), f.c<QWidget>(box));
    QCOMPARE(f.fileBytes(), before);
}

void TestContactWindowSave::refusalKeepsEarlierCleaning()
{
    ContactWindowFixture f;
    openOnBob(f, false);
    const QByteArray before = f.fileBytes();
    f.box("txtACFName")->setText(QStringLiteral("Bo,b"));
    f.box("txtACHPhone")->setText(QStringLiteral("(555) 123-456"));
    f.box("txtACCity")->setText(QStringLiteral("Rome,"));
    f.box("txtACEmail")->setText(QString(51, u'a'));

    expectRefusal(f, QStringLiteral("Incorrect entry"), QStringLiteral("Email address must be 50 characters or less."));
    f.click("cmdSave");
    QCOMPARE(f.box("txtACFName")->text(), QStringLiteral("Bob"));
    QCOMPARE(f.box("txtACHPhone")->text(), QStringLiteral("555-123-456"));
    // The city loses its comma only once every other check has passed.
    QCOMPARE(f.box("txtACCity")->text(), QStringLiteral("Rome,"));
    QCOMPARE(f.fileBytes(), before);
}

void TestContactWindowSave::companyFlag()
{
    ContactWindowFixture f;
    openOnBob(f, false);
    auto* include = f.c<QCheckBox>(QStringLiteral("chkCompanyInclude"));
    f.box("txtACCompany")->setText(QStringLiteral("Smith, Jones"));
    include->setChecked(false);
    f.app.messages.expect(QStringLiteral("Changes saved"), QStringLiteral("S A V E D"));
    f.click("cmdSave");
    QByteArray record = f.fileBytes().mid(518, 518);
    QCOMPARE(record.mid(482, 32), padded("Smith Jones", 30) + "|1");
    QVERIFY(include->isChecked());

    // A company cleared before saving: stored blank with the flag "0" and the box cleared.
    f.box("txtACCompany")->clear();
    include->setChecked(true);
    f.app.messages.expect(QStringLiteral("Changes saved"), QStringLiteral("S A V E D"));
    f.click("cmdSave");
    record = f.fileBytes().mid(518, 518);
    QCOMPARE(record.mid(482, 32), padded("", 30) + "|0");
    QVERIFY(!include->isChecked());
}

void TestContactWindowSave::staleRecordNumberWritesNothing_data()
{
    QTest::addColumn<int>("record");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("one past the end") << 4;
    QTest::newRow("far past the end") << 9;
}

void TestContactWindowSave::staleRecordNumberWritesNothing()
{
    QFETCH(int, record);
    ContactWindowFixture f;
    openOnBob(f, false);
    const QByteArray before = f.fileBytes();
    f.app.state.lngCurrentRecord = record;
    f.box("txtACCity")->setText(QStringLiteral("Rome,"));

    f.app.messages.expect(QStringLiteral("Error"),
                          QStringLiteral("An error has occurred. Error number 63 -- Bad record number.  "
                                         "Try again, or notify author."),
                          Buttons::RetryCancel, Icon::None, Answer::Retry);
    f.click("cmdSave");
    QVERIFY(f.app.messages.allShown());
    QCOMPARE(f.fileBytes(), before);
    QVERIFY(f.window().isVisible());
    QCOMPARE(f.box("txtACCity")->text(), QStringLiteral("Rome,"));

    // Cancel closes the window and brings the main window back.
    ExpectedBox error;
    error.title = QStringLiteral("Error");
    error.buttons = Buttons::RetryCancel;
    error.answer = Answer::Cancel;
    error.checkText = false;
    f.app.messages.expectBox(error);
    f.click("cmdSave");
    ContactWindowFixture::settle();
    QVERIFY(!f.windowLoaded());
    QVERIFY(f.mainWindow().isVisible());
    QCOMPARE(f.fileBytes(), before);
}

void TestContactWindowSave::noContactFileOpen()
{
    ContactWindowFixture f;
    openOnBob(f, false);
    f.app.state.contactFile.close();
    f.box("txtACFName")->setText(QStringLiteral("Bo,b"));
    f.app.messages.expect(QStringLiteral("Error"),
                          QStringLiteral("An error has occurred. Error number 52 -- Bad file name or number.  "
                                         "Try again, or notify author."),
                          Buttons::RetryCancel, Icon::None, Answer::Retry);
    f.click("cmdSave");
    QVERIFY(f.app.messages.allShown());
    // Reported before any box is checked or cleaned.
    QCOMPARE(f.box("txtACFName")->text(), QStringLiteral("Bo,b"));
}

QTEST_MAIN(TestContactWindowSave)
#include "tst_contactwindow_save.moc"
