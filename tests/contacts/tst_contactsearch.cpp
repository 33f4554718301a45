#include "contacts/ContactFile.h"
#include "contacts/ContactRules.h"
#include "contacts/ContactSearch.h"
#include "contacts/FindList.h"
#include "runtime/Text.h"
#include "support/TestFiles.h"
#include "support/TableRows.h"

#include <QtTest>

using namespace contacts;

namespace {

QByteArray book()
{
    return ContactRecord{.FName = "Ann", .MiddleInit = "Q", .LName = "Lee", .City = "Boston", .State = "MA", .Zip = "02118",
                         .HPhone = "555-1234", .Email = "ann@lee.org", .Category = "Friends;Golf"}.toBytes()
           + ContactRecord{.FName = "Bob", .LName = "Goldsmith", .Zip = "1", .HPhone = "(212) 555", .Company = "Acme"}.toBytes()
           + ContactRecord{.FName = "Cy", .MiddleInit = "b", .LName = "Smith", .FStreet = "12 Oak St", .SStreet = "Apt 2",
                           .City = "Salem", .State = "OR", .Zip = "K1A 0B1", .HPhone = "0800 123", .Email = "CY@SMITH.COM"}.toBytes();
}

}  // namespace

class TestContactSearch : public QObject {
    Q_OBJECT

private slots:
    void search_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("records");
        QTest::addColumn<QString>("caption");
        for (const QStringList& r : testsupport::tableRows("contacts/search.tsv"))
            QTest::newRow(qPrintable(r[0])) << r[1].toInt() << r[2] << r[3] << r[4];
    }
    void search()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, records);
        QFETCH(QString, caption);
        const SearchResult r = ContactSearch({SearchField(field), text}).run(book(), 3);
        QStringList got;
        for (const ListEntry& e : r.entries)
            got << QString::number(e.record);
        QCOMPARE(got.join(u' '), records);
        QCOMPARE(r.foundCaption, QStringLiteral("Contacts Found = %1").arg(got.size()));
        QCOMPARE(r.showSearch, !caption.isEmpty());
        QCOMPARE(r.searchCaption, caption);
    }

    // Both headings, then every line of the book in each name order and column set, TAB shown as \t.
    void linesAndHeadings()
    {
        QStringList out{ContactSearch::heading(ColumnSet::Email), ContactSearch::heading(ColumnSet::Street)};
        for (int variant = 0; variant < 4; ++variant) {
            const SearchQuery query{SearchField::All, {}, NameOrder(variant / 2), variant % 2 ? ColumnSet::Email : ColumnSet::Street};
            for (const ListEntry& e : ContactSearch(query).run(book(), 3).entries)
                out << QStringLiteral("%1 [%2]").arg(e.record).arg(QString(e.text).replace('\t', "\\t"));
        }
        QCOMPARE(out.join('\n') + '\n', QString::fromLatin1(testsupport::readBytes(QUORVEL_TEST_DATA "/contactsearch_lines.txt")));
    }

    void listOrder()
    {
        // Case aside, a leading blank first, an accent with its letter, and ß, Æ, Œ and Þ as
        // their two letters.
        std::vector<ListEntry> list{{"bob", 1},      {" Zed", 2},    {"Bob", 3},      {"ann", 4},     {"\u00c9mile", 5},
                                    {"ezra", 6},     {"\u00c6b", 7}, {"Ac", 8},       {"\u0152b", 9}, {"Oc", 10},
                                    {"\u00deb", 11}, {"Tc", 12},     {"\u00dfb", 13}, {"Sc", 14}};
        ContactSearch::sortAsList(list);
        QStringList order;
        for (const ListEntry& e : list)
            order << QString::number(e.record);
        QCOMPARE(order.join(u' '), QStringLiteral("2 8 7 4 1 3 5 6 10 9 14 13 12 11"));
    }

    // A tab, line end or escape stored in a field shows as a blank: the line keeps its seven parts.
    void controlsShowAsBlanks()
    {
        QByteArray bytes = book().left(ContactRecord::Length);
        bytes[fields::LName.offset + 1] = '\t';
        bytes[fields::City.offset] = '\r';
        bytes[fields::Email.offset + 3] = '\x1b';
        for (ColumnSet columns : {ColumnSet::Email, ColumnSet::Street}) {
            const QString line = ContactSearch({SearchField::All, {}, NameOrder::FirstName, columns}).run(bytes, 1).entries[0].text;
            QVERIFY2(line.count(u'\t') == 6 && line.startsWith("Ann Q. L e\t") && line.contains("\t oston"), qPrintable(line));
        }
    }

    // Through the open file, read in blocks: a short last record reads as filled with blanks.
    void fromFile()
    {
        QTemporaryDir dir;
        QByteArray bytes = book();
        bytes.chop(100);
        testsupport::writeBytes(dir.filePath("c.DAT"), bytes);
        ContactFile file;
        QCOMPARE(testsupport::errorOf([&] { ContactSearch({}).run(file); }), 52);
        file.open(dir.filePath("c.DAT"));
        const SearchResult r = ContactSearch({SearchField::LastName, "SMITH"}).run(file);
        QCOMPARE(r.found, 2);
        QCOMPARE(r.entries.back().record, 3);
        QCOMPARE(r.entries.back().text, ContactSearch({SearchField::LastName, "SMITH"}).run(book(), 3).entries.back().text);

        // Sorted on keys written from the records' bytes, the records come in the order of their lines.
        bytes += ContactRecord{.FName = "\u00c9mile", .LName = "Zola", .City = "Z\u00fcrich"}.toBytes() + ContactRecord{.FName = "Zed", .LName = "Young"}.toBytes();
        testsupport::writeBytes(dir.filePath("c.DAT"), bytes);
        for (int variant = 0; variant < 4; ++variant) {
            const ContactSearch search({SearchField::All, {}, NameOrder(variant / 2), variant % 2 ? ColumnSet::Email : ColumnSet::Street});
            std::vector<ListEntry> lines = search.run(file).entries;
            std::stable_sort(lines.begin(), lines.end(), [](const ListEntry& a, const ListEntry& b) { return rt::compareListText(a.text, b.text) < 0; });
            std::vector<qint32> records;
            std::transform(lines.begin(), lines.end(), std::back_inserter(records), [](const ListEntry& e) { return e.record; });
            QCOMPARE(search.runSorted(file).listed, records);
        }
        // The find list, read in one pass, is as its lines put in place one at a time; a name
        // another program stored with leading blanks included.
        testsupport::writeBytes(dir.filePath("c.DAT"), bytes + QByteArray("  \xe9mile", 7).leftJustified(ContactRecord::Length, ' ') + bytes.left(300));
        std::vector<FindList::Item> listed, expected;
        FindList::read(file, file.recordCount(), listed);
        for (qint32 n = 1; n <= file.recordCount(); ++n)
            expected.emplace_back(ContactRules::findListText(file.read(n)), n);
        std::stable_sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) { return rt::compareListText(a.first, b.first) < 0; });
        QCOMPARE(listed, expected);
    }
};

QTEST_MAIN(TestContactSearch)
#include "tst_contactsearch.moc"
