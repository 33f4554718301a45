#include "contacts/AddressLines.h"
#include "contacts/ContactRules.h"
#include "printing/DetailsPage.h"
#include "support/RecordingDevice.h"
#include "support/TestFiles.h"

#include <QTest>

using namespace contacts;
using F = ContactField;

namespace {

ContactValues values(std::initializer_list<std::pair<F, QString>> given)
{
    ContactValues v;
    for (const auto& [field, text] : given)
        v[field] = text;
    return v;
}

}  // namespace

class TestContactRules : public QObject {
    Q_OBJECT

private slots:
    void refusals_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        const QString dateError = QStringLiteral("Date error");
        const QString incorrect = QStringLiteral("Incorrect entry");
        const QString notSaved = QStringLiteral("Contact not saved");
        const QString invalid = QStringLiteral("Birthdate must be a valid date in MM/DD/YYYY format.  Example: 05/12/1988");
        auto row = [](const char* name, F field, const QString& typed, const QString& title, const char* message) {
            QTest::newRow(name) << int(field) << typed << title << QString::fromUtf8(message);
        };
        row("9 characters", F::Birthdate, "4/10/1980", dateError, "Date must be in format MM/DD/YYYY   Example: April 10, 1980 is 04/10/1980");
        row("year not a number", F::Birthdate, "04/10/19x0", dateError, "Year must be an actual 4-digit year.  Example: 1988");
        row("year ends in a blank", F::Birthdate, "04/10/198 ", dateError, "Year must be a 4-digit year, no spaces.  Example: 1988");
        row("month 13", F::Birthdate, "13/10/1980", dateError, "Month must be a number no greater than 12.  Example: 07");
        row("month letters", F::Birthdate, "ab/10/1980", dateError, "Month must be a 2-digit month.  Example: 08");
        row("30 February", F::Birthdate, "02/30/1980", dateError, qPrintable(invalid));
        row("day blank", F::Birthdate, "02/ 3/1980", dateError, "Day must be a 2-digit day, no spaces.  Example: 26");
        row("month leading blank", F::Birthdate, " 2/03/1980", dateError, "Month must be a 2-digit month, no spaces.  Example: 03");
        row("month trailing blank", F::Birthdate, "2 /03/1980", dateError, "Month must be a 2-digit month, no spaces.  Example: 07");
        row("year blank", F::Birthdate, "02/03/ 980", dateError, "Birthdate must be a valid date in MM/DD/YYYY format. No spaces.  Example: 05/12/1988");
        row("first name", F::FName, QString(15, u'a'), incorrect, "First name must be 14 characters or less.");
        row("initial J.K.", F::MiddleInit, "J.K.", incorrect, "Enter only 1 character for middle initial.");
        row("last name and comma", F::LName, QString(18, u'a') + ",", incorrect, "Enter last name, 18 characters or less.");
        row("last name empty", F::LName, "", incorrect, "Enter last name, 18 characters or less.");
        row("city and comma", F::City, QString(16, u'a') + ",", incorrect, "City must be 16 characters or less.");
        row("state 1", F::State, "N", incorrect, "State must be 2 character abbreviation.");
        row("zip", F::Zip, "12345-67890", incorrect, "Zip Code must be 10 characters or less.");
        row("work phone", F::WPhone, "55512345678901", incorrect, "Work Phone must be 13 characters or less.");
        row("email long", F::Email, QString(41, u'a') + "@b.example", incorrect, "Email address must be 50 characters or less.");
        row("email comma", F::Email, "a,b@c.d", incorrect, "Email address cannot contain a comma.");
        row("email blank, before @", F::Email, "a b", incorrect, "Email address cannot contain a space.");
        row("email without @", F::Email, "ab.example", incorrect, "Email address must contain the '@' character.");
        row("email without .", F::Email, "a@b", incorrect, "Email address must contain the '.' character.");
        row("notes", F::Notes, QString(161, u'a'), incorrect, "Notes must be 160 characters or less.");
        row("not in the code page", F::FName, QString::fromUtf8("Łukasz"), notSaved, "First Name holds characters that cannot be saved: Ł");
        row("each once", F::Notes, QString::fromUtf8("東京 東 😀"), notSaved, "Notes holds characters that cannot be saved: 東京😀");
    }
    void refusals()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, title);
        QFETCH(QString, message);
        ContactValues v = values({{F::FName, "Bo,b"}, {F::LName, "Ray"}, {F::City, "Rome,"}});
        v[F(field)] = typed;
        const SaveCheck check = F(field) == F::Birthdate ? SaveCheck{v, ContactRules::checkBirthdate(typed)} : ContactRules::checkAndClean(v);
        QCOMPARE(check.refusal, (Refusal{F(field), title, message}));
        // A refusal keeps the cleaning before it; the city loses its comma only once all pass.
        const bool nameCleaned = title == QStringLiteral("Incorrect entry") && F(field) != F::FName;
        QCOMPARE(check.values[F::FName], nameCleaned ? QStringLiteral("Bob") : v[F::FName]);
        QCOMPARE(check.values[F::City], v[F::City]);
    }

    // Each box takes its limit and refuses one character more.
    void lengthLimits()
    {
        for (const auto& [field, limit] : {std::pair{F::FName, 14}, {F::LName, 18}, {F::FStreet, 30}, {F::SStreet, 15},
                                           {F::City, 16}, {F::Zip, 10}, {F::Country, 19}, {F::Company, 30}, {F::HPhone, 15},
                                           {F::CPhone, 15}, {F::WPhone, 13}, {F::Category, 80}, {F::Notes, 160}}) {
            ContactValues v = values({{F::LName, "Lee"}});
            v[field] = QString(limit, u'5');
            QCOMPARE(ContactRules::checkAndClean(v).refusal, std::nullopt);
            v[field] += u'5';
            const std::optional<Refusal> refusal = ContactRules::checkAndClean(v).refusal;
            QVERIFY(refusal && refusal->field == field && refusal->message.contains(QString::number(limit)));
        }
    }

    void normalisation_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("box");      // the box after Save
        QTest::addColumn<QString>("stored");   // the record, shown again
        auto row = [](const char* name, F f, const char* typed, const char* box, const char* stored) {
            QTest::newRow(name) << int(f) << QString::fromUtf8(typed) << QString::fromUtf8(box) << QString::fromUtf8(stored);
        };
        row("initial", F::MiddleInit, "j.", "j", "J");
        row("street", F::FStreet, "12 Oak St, Apt 4", "12 Oak St Apt 4", "12 Oak St Apt 4");
        row("state", F::State, "ma", "ma", "MA");
        row("home phone", F::HPhone, "+1 (617) 555-0100", "1617-555-0100", "1617-555-0100");
        row("work phone", F::WPhone, "(617)555 0199", "617-5550199", "617-5550199");
        row("category", F::Category, "Golf,Friends", "Golf Friends", "Golf Friends");
        row("notes", F::Notes, "Met, 2019", "Met  2019", "Met  2019");
        row("code page", F::Notes, "5€ “Zoë”", "5€ “Zoë”", "5€ “Zoë”");
        row("line breaks", F::Notes, "a\r\nb\tc", "a  b c", "a  b c");
        row("birthdate", F::Birthdate, "04/10/1980", "04/10/1980", "04/10/1980");
    }
    void normalisation()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, box);
        QFETCH(QString, stored);
        ContactValues v = values({{F::LName, "Lee"}});
        v[F(field)] = typed;
        const SaveCheck check = ContactRules::checkAndClean(v);
        QCOMPARE(check.refusal, std::nullopt);
        QCOMPARE(check.values[F(field)], box);
        const ContactRecord record = ContactRules::toRecord(check.values, true, false);
        QCOMPARE(ContactRules::fromRecord(ContactRecord::fromBytes(record.toBytes()))[F(field)], stored);
    }

    void findListText_data()
    {
        QTest::addColumn<QStringList>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("initial") << QStringList{"Al", "Q", "Five"} << "Al Q Five";
        QTest::newRow("no initial") << QStringList{"Bob", "", "Ray"} << "Bob  Ray";
        QTest::newRow("blanks around") << QStringList{" Al ", "", " Lee"} << "Al  Lee";
    }
    void findListText()
    {
        QFETCH(QStringList, name);
        QFETCH(QString, text);
        QCOMPARE(ContactRules::findListText(ContactRecord{.FName = name[0], .MiddleInit = name[1], .LName = name[2]}), text);
    }

    void addressLines_data()
    {
        // The parts: first, middle, last, company, street, street 2, city, state, zip.
        QTest::addColumn<bool>("search");
        QTest::addColumn<QString>("parts");
        QTest::addColumn<bool>("include");
        QTest::addColumn<QString>("lines");
        QTest::newRow("all") << false << "Ann||Lee|Acme Co|12 Oak St|Apt 4|Boston|MA|02134" << true
                             << "Ann Lee|Acme Co|12 Oak St|Apt 4|Boston, MA  02134";
        QTest::newRow("company not included") << false << "A||L|Acme|1 Elm||Rome|NY|1" << false << "A L|1 Elm|Rome, NY  1";
        QTest::newRow("blank company included") << false << "A||L|  |1 Elm||Rome|NY|1" << true << "A L|1 Elm|Rome, NY  1";
        QTest::newRow("no city") << false << "A|B|L||1 Elm|Unit 2||NY|1" << false << "A B L|1 Elm|Unit 2";
        QTest::newRow("no state or zip") << false << "A||L||1 Elm||Rome||" << false << "A L|1 Elm|Rome,   ";
        QTest::newRow("no street") << false << "||L|||Unit 2|Rome|NY|1" << false << " L||Unit 2|Rome, NY  1";
        QTest::newRow("no name") << false << "||||||||" << false << " |";
        QTest::newRow("blanks in names") << false << "Mary  Jo||Lee   Ann||||||" << false << "Mary Jo Lee  Ann|";
        QTest::newRow("search: all") << true << " Ann |Q|Lee|Acme|12 Oak St|Apt 4|Boston|MA|02134" << true
                                     << "Ann Q Lee|Acme|12 Oak St Apt 4|Boston, MA  02134";
        QTest::newRow("search: blanks kept") << true << "Mary  Jo||Lee|Acme|||||" << false << "Mary  Jo Lee| |,   ";
        QTest::newRow("search: no first name") << true << "||Lee||1 Elm||||" << false << " Lee|1 Elm |,   ";
    }
    void addressLines()
    {
        QFETCH(bool, search);
        QFETCH(QString, parts);
        QFETCH(bool, include);
        QFETCH(QString, lines);
        const QStringList p = parts.split(u'|');
        const AddressLines::Parts in{p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], include};
        const auto style = search ? AddressLines::Style::SearchResult : AddressLines::Style::LabelLines;
        QCOMPARE(AddressLines(in, style).lines().join(u'|'), lines);
    }

    void detailsPage()
    {
        testsupport::RecordingDevice device;
        printing::PagePrinter printer(device);
        printer.setFontName(QStringLiteral("Courier New"));
        printer.setFontItalic(true);
        QString notes = QString::fromUtf8("😀 Met\tin Rome,");
        while (notes.size() < 170)
            notes += QStringLiteral(" and again");
        const ContactValues v = values(
            {{F::FName, " Ann"}, {F::LName, "Lee "}, {F::FStreet, "12 Oak St"}, {F::SStreet, "Apt 4"},
             {F::City, "Boston"}, {F::State, "MA"}, {F::Zip, "02134"}, {F::Country, "USA"}, {F::HPhone, "617-555-0100"},
             {F::CPhone, "617-555-0101"}, {F::WPhone, "617-555-0102"}, {F::Email, "ann@example.com"},
             {F::Birthdate, "04/10/1980"}, {F::Category, QString(61, u'c') + "D"}, {F::Notes, notes}, {F::Company, "Acme Co"}});
        printing::DetailsPage::printPage(printer, v, QDate(2026, 12, 6));
        printer.endDoc();
        const QByteArray golden = testsupport::readBytes(QStringLiteral(QUORVEL_TEST_DATA "/contact_details_page.txt"));
        QCOMPARE(testsupport::dumpPages(device.documents().at(0).pages), QString::fromUtf8(golden));
    }
};

QTEST_MAIN(TestContactRules)
#include "tst_contactrules.moc"
