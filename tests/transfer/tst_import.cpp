#include "support/Golden.h"
#include "support/TestFiles.h"
#include "contacts/ContactFile.h"
#include "transfer/ContactImport.h"
#include "transfer/CsvFields.h"
#include "transfer/ImportLines.h"
#include "transfer/ImportText.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace transfer;
using testsupport::errorOf;

const char OwnHeader[] = "First Name,MI,Last Name,Street1,Street2,City,State,Zip,Country,Company,"
                         "Include Company in Address,Home Phone,Cell Phone,Work Phone,Email,Birthdate,Category,Notes\n";

class TestImport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_n = 0;

    QString file(const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("in%1.txt").arg(++m_n));
        testsupport::writeBytes(path, bytes);
        return path;
    }

    // Imports into a book holding `before` and gives the records stored, as "F|MI|L|...".
    QStringList run(const QByteArray& bytes, ImportOutcome* out = nullptr, const QByteArray& before = {})
    {
        contacts::ContactFile book;
        const QString path = file(before);
        book.open(path);
        const ImportOutcome o = importContacts(book, file(bytes), true, 65536);
        if (out)
            *out = o;
        QStringList records;
        for (int n = int(before.size() / 518) + 1; n <= book.recordCount(); ++n) {
            const auto r = book.read(n);
            records << QStringList{r.FName, r.MiddleInit, r.LName, r.FStreet, r.SStreet, r.City, r.State, r.Zip,
                                   r.Country, r.HPhone, r.CPhone, r.WPhone, r.Email, r.Birthdate, r.Category,
                                   r.Notes, r.Company, r.IncComp, r.BdayReminder}.join(QLatin1Char('|'));
        }
        if (book.lengthBytes() % 518 != 0)
            records << QStringLiteral("<partial record>");
        return records;
    }

    // Ann Lee (a@x.com) and Bo Lee (no e-mail).
    static QByteArray book()
    {
        contacts::ContactRecord ann, bo;
        ann.FName = "Ann";
        ann.LName = bo.LName = "Lee";
        ann.Email = "a@x.com";
        bo.FName = "Bo";
        return ann.toBytes() + bo.toBytes();
    }

    static QByteArray card(const QByteArray& lines) { return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines + "\r\nEND:VCARD\r\n"; }

private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf cr lf") << QByteArray("a\r\nb\rc\nd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("cr cr lf") << QByteArray("a\r\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("utf8 bom") << QByteArray("\xEF\xBB\xBFJos\xC3\xA9\n") << QStringList{"José"};
        QTest::newRow("utf8 outside cp1252") << QByteArray("\xC5\x81x") << QStringList{"?x"};
        QTest::newRow("cp1252") << QByteArray("Jos\xE9\r\x80") << QStringList{"José", "€"};
        QTest::newRow("overlong") << QByteArray("\xC0\xAFx") << QStringList{"À¯x"};
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << QStringList{"í\u00A0€"};
        QTest::newRow("cut at the end") << QByteArray("ab\xC3") << QStringList{"abÃ"};
        QTest::newRow("across chunks") << QByteArray(65535, 'a') + "\xC3\xA9" << QStringList{QString(65535, 'a') + "é"};
        QTest::newRow("utf16le bom") << QByteArray("\xFF\xFEJ\0\xE9\0\n\0b\0", 10) << QStringList{"Jé", "b"};
        QTest::newRow("utf16be bom") << QByteArray("\xFE\xFF\0a\0\r\0\n\0b", 10) << QStringList{"a", "b"};
    }
    void lines()
    {
        QFETCH(QByteArray, bytes);
        ImportLines reader(file(bytes));
        QStringList got;
        while (!reader.atEnd())
            got << reader.readLine();
        QFETCH(QStringList, lines);
        QCOMPARE(got, lines);
    }

    void unsafeFiles()
    {
        QCOMPARE(errorOf([&] { ImportLines lines(m_dir.path()); }), 75);
        QCOMPARE(errorOf([&] { ImportLines lines(m_dir.filePath("missing")); }), 53);
        ImportLines lines(file(QByteArray(5000, 'x')), 4096);
        QCOMPARE(errorOf([&] { lines.readLine(); }), 7);
    }

    void csvSplit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("plain") << "a,b,,c" << QStringList{"a", "b", "", "c"};
        QTest::newRow("quoted comma") << "\"a,b\",c" << QStringList{"a,b", "c"};
        QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\",x" << QStringList{"say \"hi\"", "x"};
        QTest::newRow("line break") << "\"1\r\n2\",3" << QStringList{"1\r\n2", "3"};
        QTest::newRow("stray quote") << "ab\"c,d" << QStringList{"ab\"c", "d"};
        QTest::newRow("trailing comma") << "a," << QStringList{"a", ""};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void csvSplit()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QCOMPARE(CsvFields::split(text), fields);
    }

    void layout_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("layout");
        QTest::newRow("yahoo beats vcard") << "First,Yahoo Phone,BEGIN:VCARD" << int(ImportLayout::Yahoo);
        QTest::newRow("yahoo!") << "Yahoo! Phone" << int(ImportLayout::Yahoo);
        QTest::newRow("primary") << "\"First Name\",\"Primary Phone\",\"Web Page\"" << int(ImportLayout::PrimaryPhone);
        QTest::newRow("name email") << "First Name,Last Name,Name,E-mail Address,X" << int(ImportLayout::NameEmail);
        QTest::newRow("own quoted") << "\"First Name\",\"MI\",\"Birthdate\",\"Category\",\"Notes\""
                                    << int(ImportLayout::OwnCsv);
        QTest::newRow("own without tail") << "First Name,MI,Last Name" << int(ImportLayout::EmailColumn);
        QTest::newRow("excluded") << "Name,Distribution Lists" << int(ImportLayout::None);
        QTest::newRow("vcard any case") << "begin:vcard" << int(ImportLayout::VCard);
        QTest::newRow("yahoo case") << "yahoo phone" << int(ImportLayout::None);
    }
    void layout()
    {
        QFETCH(QString, line);
        QFETCH(int, layout);
        QCOMPARE(int(recogniseLayout(line)), layout);
    }

    void birthDates_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("sep");
        QTest::addColumn<QString>("stored");
        QTest::newRow("1-5") << "1-5-1990" << "-" << "19900105";
        QTest::newRow("1-15") << "1-15-1990" << "-" << "19900115";
        QTest::newRow("12-5") << "12-5-1990" << "-" << "19901205";
        QTest::newRow("dash no range") << "13-45-1990" << "-" << "19901345";
        QTest::newRow("slash month") << "13/05/1990" << "/" << "";
        QTest::newRow("slash day") << "12/32/1990" << "/" << "";
        QTest::newRow("slash 31") << "02/31/1990" << "/" << "19900231";
        QTest::newRow("empty") << "" << "-" << "";
        QTest::newRow("vcard digits") << "19800517" << "v" << "19800517";
        QTest::newRow("vcard dashes") << "1980-05-17" << "v" << "19800517";
        QTest::newRow("vcard time") << "1980-05-17T00:00:00Z" << "v" << "19800517";
        QTest::newRow("vcard text") << "circa 1800" << "v" << "";
        QTest::newRow("vcard no year") << "--0517" << "v" << "";
        QTest::newRow("vcard century") << "18000517" << "v" << "";
    }
    void birthDates()
    {
        QFETCH(QString, value);
        QFETCH(QString, sep);
        QFETCH(QString, stored);
        QCOMPARE(sep == "v" ? vcardBirthDate(value) : normaliseBirthDate(value, sep[0], sep == "/"), stored);
    }

    // A phone cleaned for a field of `width`; width 0: a state.
    void cleaning_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("stored");
        QTest::newRow("parentheses") << "(555) 123-4567" << 15 << "555-123-4567";
        QTest::newRow("+1 blanks") << "+1 555 123 4567" << 15 << "555-123-4567";
        QTest::newRow("leading 1") << "15551234567" << 13 << "555-123-4567";
        QTest::newRow("eleven digits") << "0171-9394461" << 15 << "0171-9394461";
        QTest::newRow("ten, area code 0") << "0311111111" << 13 << "0311111111";
        QTest::newRow("thirteen digits") << "0123233838592" << 13 << "0123233838592";
        QTest::newRow("+44 too wide as written") << "+44 20 7946 0958" << 15 << "+442079460958";
        QTest::newRow("+44 no room for +") << "+44 20 7946 0958" << 12 << "442079460958";
        QTest::newRow("letters") << "+49 PRIVAT 7" << 15 << "+497";
        QTest::newRow("empty") << "" << 15 << "";
        QTest::newRow("no digit") << "X:" << 15 << "";
        QTest::newRow("New York") << "New York" << 0 << "NY";
        QTest::newRow("south dakota") << "south dakota" << 0 << "SD";
        QTest::newRow("NEBRASKA") << "NEBRASKA" << 0 << "NE";
        QTest::newRow("DC") << "District of Columbia" << 0 << "DC";
        QTest::newRow("territory") << "Puerto Rico" << 0 << "PR";
        QTest::newRow("other state") << "Ontario" << 0 << "Ontario";
    }
    void cleaning()
    {
        QFETCH(QString, value);
        QFETCH(int, width);
        QFETCH(QString, stored);
        QCOMPARE(width ? cleanPhone(value, width) : usStateCode(value), stored);
    }

    void vcard_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("record");
        QTest::newRow("Ann Smith") << card("N:Smith;Ann;;;\r\nFN:Ann Smith\r\nTEL;TYPE=HOME:(555) 123-4567\r\n"
                                           "ADR;TYPE=HOME:;;12 Oak St;Springfield;IL;62704;USA\r\nBDAY:1980-05-17")
                                   << "Ann||Smith|12 Oak St||Springfield|IL|62704||555-123-4567||||19800517||||0|1";
        QTest::newRow("fold, params, case, group") << card("n;charset=UTF-8:Lee;\r\n An\r\nitem3.ADR;type=home:;;1 Elm;X;il;1234;US\r\n"
                                                           "tel;type=cell:+1 555 123 4567\r\nTEL;TYPE=Home:5551234567")
                                                   << "An||Lee|1 Elm||X|IL|1234||555-123-4567|555-123-4567|||||||0|1";
        QTest::newRow("QP soft break, charset")
            << card("N;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:Jos=C3=A9;Ma=\r\nria\r\nNOTE;QUOTED-PRINTABLE:a=0D=0Ab")
            << "Maria||José|||||||||||||a  b||0|1";
        QTest::newRow("unescape, N short, tel:")
            << card("N:Doe\\, Jr\r\nTEL;VALUE=uri;TYPE=work:tel:+1-555-555-5555\r\nNOTE:x\\ny\\\\z\r\nORG:A\\,B;C")
            << "||Doe, Jr|||||||||555-555-5555||||x y\\z|A,BC|0|1";
        QTest::newRow("email rules") << card("N:L;F\r\nEMAIL:a@x.com\r\nitem1.EMAIL:b@x.com\r\nEMAIL;TYPE=work:none")
                                     << "F||L|||||||||||||||0|1";
        QTest::newRow("FN after TEL keeps it") << card("N:L;F\r\nTEL;HOME:15551234567\r\nFN:F L")
                                               << "F||L|||||||555-123-4567||||||||0|1";
        QTest::newRow("empty TEL keeps the number") << card("N:L;F\r\nTEL;TYPE=HOME:0171-9394461\r\nTEL;TYPE=HOME,FAX:")
                                                    << "F||L|||||||0171-9394461||||||||0|1";
        QTest::newRow("names from FN") << card("FN:Mary Ann Smith\r\nADR;TYPE=HOME:;;1 Elm;X;new york;1234;\r\nBDAY:x")
                                       << "Mary Ann||Smith|1 Elm||X|NY|1234||||||||||0|1";
        QTest::newRow("empty N, FN") << card("N:;;;;\r\nFN:Cher") << "||Cher|||||||||||||||0|1";
    }
    void vcard()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, record);
        QCOMPARE(run(bytes), QStringList{record});
    }

    void duplicates_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("stored");
        const QByteArray own = OwnHeader;
        QTest::newRow("csv same") << own + "Ann,,Lee,,,,,,,,,,,,a@x.com,,,\r\n" << 0;
        QTest::newRow("csv blanks") << own + " Ann ,,Lee,,,,,,,,,,,,a@x.com,,,\r\n" << 0;
        QTest::newRow("csv other email") << own + "Ann,,Lee,,,,,,,,,,,,b@x.com,,,\r\n" << 1;
        QTest::newRow("csv case") << own + "ann,,Lee,,,,,,,,,,,,a@x.com,,,\r\n" << 1;
        QTest::newRow("csv twice new") << own + "Bo,,Lee,,,,,,,,,,,,a@x.com,,,\r\nBo,,Lee,,,,,,,,,,,,a@x.com,,,\r\n" << 2;
        QTest::newRow("vcard names") << card("N:Lee;Ann") << 0;
        QTest::newRow("vcard empty given") << card("N:Lee;") << 1;
    }
    void duplicates()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, stored);
        QCOMPARE(run(bytes, nullptr, book()).size(), stored);
    }

    void ownCsvScenario()
    {
        ImportOutcome out;
        const QStringList got = run(QByteArray(OwnHeader) + "\n"
                                    "Ann,m,Lee,12 Oak St,Apt 4,Springfield,ny,62704,usa,Acme,1,555-123-4567,,555-000-111X,"
                                    "ann@x.com,7-4-1985,Family;Friends,likes tea\n",
                                    &out);
        QCOMPARE(got, QStringList{"Ann|m|Lee|12 Oak St|Apt 4|Springfield|NY|62704|usa|555-123-4567||555-000-111X|"
                                  "ann@x.com|19850704|Family;Friends|likes tea|Acme|1|1"});
        QCOMPARE(out.title(), QStringLiteral("Import completed"));
        QCOMPARE(out.text(), QStringLiteral("D O N E !  1 contacts successfully imported."));
    }

    void outcomes()
    {
        ImportOutcome out;
        run("Name,Notes\r\nAnn,x.com\r\n", &out);
        QCOMPARE(out.text(), QStringLiteral("CSV file not compatible with import function."));
        QCOMPARE(out.title(), QStringLiteral("No contacts imported"));
        QCOMPARE(out.icon(), platform::Icon::Information);
        // The second line is short: the error box, the first contact kept, whole records.
        const QStringList got = run(QByteArray(OwnHeader) + "Ann,,Lee,,,,,,,,,,,,a@x.com,,,\r\nBo\r\n", &out);
        QCOMPARE(got.size(), 1);
        QCOMPARE(out.text(), QStringLiteral("An error has occurred. Error number 9 -- Subscript out of range.  Try again, or notify Quorvel."));
        QCOMPARE(out.buttons(), platform::Buttons::RetryCancel);
        // After more than one batch of contacts, every one read before the failure is kept.
        QByteArray many = OwnHeader;
        for (int i = 0; i < 2100; ++i)
            many += "A" + QByteArray::number(i) + ",,Lee,,,,,,,,,,,,,,,\r\n";
        QCOMPARE(run(many + "Bo\r\n", &out).size(), 2100);
        QCOMPARE(run(card("N:A;B") + "N:" + QByteArray(70000, 'x'), &out).size(), 1);
        QCOMPARE(out.errorNumber, 7);
        contacts::ContactFile none;
        QCOMPARE(importContacts(none, QString(), true).text(), QStringLiteral("Click 'Select file to import' to select csv or vcf file."));
        QCOMPARE(importContacts(none, file("BEGIN:VCARD"), true).errorNumber, 52);
    }

    // Each file of tests/data/import imported into book(): the outcome and the records stored,
    // against <file>.txt beside it.
    void files_data()
    {
        QTest::addColumn<QString>("name");
        const QDir data(QStringLiteral(QUORVEL_TEST_DATA "/import"));
        for (const QString& name : data.entryList({"*.csv", "*.vcf"}, QDir::Files))
            QTest::newRow(qPrintable(name)) << name;
    }
    void files()
    {
        QFETCH(QString, name);
        ImportOutcome out;
        const QString path = QStringLiteral(QUORVEL_TEST_DATA "/import/") + name;
        const QStringList got = run(testsupport::readBytes(path), &out, book());
        QVERIFY(testsupport::matchesGolden((QStringList{out.title() + ": " + out.text()} + got).join('\n') + '\n',
                                           "import/" + name));
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
