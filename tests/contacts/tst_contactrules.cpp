#include "contacts/AddressLines.h"
#include "contacts/ContactRules.h"
#include "printing/DetailsPage.h"
#include "support/RecordingDevice.h"
#include "support/TableRows.h"
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

// A box by its name in ContactField.
F field(const QString& name)
{
    static const QStringList names{"FName", "MiddleInit", "LName", "FStreet", "SStreet", "City", "State", "Zip", "Country",
                                   "HPhone", "CPhone", "WPhone", "Email", "Birthdate", "Category", "Notes", "Company"};
    return F(names.indexOf(name));
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
        for (const QStringList& r : testsupport::tableRows("contacts/refusals.tsv"))
            QTest::newRow(qPrintable(r[0])) << int(field(r[1])) << r[2] << r[3] << r[4];
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

    void normalisation_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("box");      // the box after Save
        QTest::addColumn<QString>("stored");   // the record, shown again
        for (const QStringList& r : testsupport::tableRows("contacts/normalisation.tsv"))
            QTest::newRow(qPrintable(r[0])) << int(field(r[1])) << r[2] << r[3] << r[4];
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

    void addressLines_data()
    {
        QTest::addColumn<bool>("search");
        QTest::addColumn<QString>("parts");
        QTest::addColumn<bool>("include");
        QTest::addColumn<QString>("lines");
        for (const QStringList& r : testsupport::tableRows("contacts/addresslines.tsv"))
            QTest::newRow(qPrintable(r[0])) << (r[1] == "search") << r[2] << (r[3] == "1") << r[4];
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
