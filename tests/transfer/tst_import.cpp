#include "support/Golden.h"
#include "support/TableRows.h"
#include "support/TestFiles.h"
#include "contacts/ContactFile.h"
#include "transfer/ContactImport.h"
#include "transfer/CsvFields.h"
#include "transfer/DuplicateIndex.h"
#include "transfer/ImportLines.h"
#include "transfer/ImportText.h"

#include <QRandomGenerator>
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

    static QByteArray book()
    {
        return contacts::ContactRecord{.FName = "Ann", .LName = "Lee", .Email = "a@x.com"}.toBytes()
               + contacts::ContactRecord{.FName = "Bo", .LName = "Lee"}.toBytes();
    }

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
        QTest::newRow("per line") << QByteArray("Zo\xC3\xAB\r\n\xE9\r\nJos\xC3\xA9") << QStringList{"Zoë", "é", "José"};
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
        ImportLines lines(file(QByteArray(5000, 'x')), 4096);
        QCOMPARE(errorOf([&] { lines.readLine(); }), 7);
    }

    void csvSplit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        for (const QStringList& r : testsupport::tableRows("transfer/csvsplit.tsv"))
            QTest::newRow(qPrintable(r[0])) << r[1] << r.mid(2);
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
        const QStringList layouts{"None", "Yahoo", "PrimaryPhone", "NameEmail", "OwnCsv", "EmailColumn", "VCard"};
        for (const QStringList& r : testsupport::tableRows("transfer/layouts.tsv"))
            QTest::newRow(qPrintable(r[0])) << r[1] << int(layouts.indexOf(r[2]));
    }
    void layout()
    {
        QFETCH(QString, line);
        QFETCH(int, layout);
        QCOMPARE(int(recogniseLayout(line)), layout);
    }

    void values_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("stored");
        for (const QStringList& r : testsupport::tableRows("transfer/values.tsv"))
            QTest::newRow(qPrintable(r[0])) << r[1] << r[2] << r[3];
    }
    void values()
    {
        QFETCH(QString, rule);
        QFETCH(QString, value);
        const QString got = rule == "state"        ? usStateCode(value)
                            : rule == "vcard date" ? vcardBirthDate(value)
                            : rule.startsWith("date") ? normaliseBirthDate(value, rule.back(), rule.back() == u'/')
                                                      : cleanPhone(value, rule.mid(6).toInt());
        QTEST(got, "stored");
    }

    void outcomes()
    {
        ImportOutcome out;
        run("Name,Notes\r\nAnn,x.com\r\n", &out);
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
        QCOMPARE(run("BEGIN:VCARD\r\nN:A;B\r\nEND:VCARD\r\nN:" + QByteArray(70000, 'x'), &out).size(), 1);
        QCOMPARE(out.errorNumber, 7);
        // A book the lists could not hold is refused before it is read.
        contacts::ContactFile huge;
        huge.open(file({}));
        QVERIFY(QFile::resize(huge.path(), Q_INT64_C(1000000000000)));
        QCOMPARE(importContacts(huge, file(QByteArray(OwnHeader) + "Ann,,Lee\r\n"), true).errorNumber, 7);
        contacts::ContactFile none;
        QCOMPARE(importContacts(none, QString(), true).text(), QStringLiteral("Click 'Select file to import' to select csv or vcf file."));
        QCOMPARE(importContacts(none, file("BEGIN:VCARD"), true).errorNumber, 52);
    }

    void duplicates_data()
    {
        QTest::addColumn<bool>("namesOnly");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("held");
        for (const QStringList& r : testsupport::tableRows("transfer/duplicates.tsv"))
            QTest::newRow(qPrintable(r[0])) << (r[1] == "names") << r.mid(2, 3) << (r[5] == "yes");
    }
    void duplicates()
    {
        using contacts::ContactRecord;
        QByteArray bytes = ContactRecord().toBytes().repeated(300) + book()
                           + ContactRecord{.LName = "Lee", .Email = "c@x.com"}.toBytes()
                           + ContactRecord{.FName = "Ann", .LName = "Lee", .Email = "b@x.com"}.toBytes()
                           + ContactRecord{.FName = "Annabelle-Marie-Louise", .LName = "Lee"}.toBytes()
                           + ContactRecord{.FName = "José", .LName = "Núñez", .Email = "j@x.com"}.toBytes();
        for (int i = 0; i < 5000; ++i)
            bytes += ContactRecord{.FName = QString("F%1").arg(i), .LName = "Doe", .Email = QString("f%1@x.com").arg(i)}
                         .toBytes();
        contacts::ContactFile file;
        file.open(this->file(bytes));
        QFETCH(bool, namesOnly);
        const DuplicateIndex index(file, file.recordCount(), namesOnly);
        QFETCH(QStringList, values);
        QTEST(index.holds({.FName = values[0], .LName = values[1], .Email = values[2]}), "held");
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

    // Damaged inputs of every layout: no crash, no hang, and the book always whole records.
    void damagedInputs_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : QDir(QStringLiteral(QUORVEL_TEST_DATA "/import")).entryList({"layout-*.csv", "layout-*.vcf"}))
            QTest::newRow(qPrintable(name)) << name;
    }
    void damagedInputs()
    {
        QFETCH(QString, name);
        const QByteArray base = testsupport::readBytes(QStringLiteral(QUORVEL_TEST_DATA "/import/") + name);
        // Memory-backed when there is such a folder: thousands of small files are written.
        QTemporaryDir dir((QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath()) + "/qvfuzz-XXXXXX");
        const QString inPath = dir.filePath("in.txt");
        contacts::ContactFile book;
        book.open(dir.filePath("book.dat"));
        QRandomGenerator rng(20240607);
        for (int i = 0; i < 10000; ++i) {
            QByteArray input = base;
            switch (rng.bounded(5)) {
            case 0:  // flipped bytes
                for (int k = rng.bounded(1, 6); k > 0; --k)
                    input[rng.bounded(int(input.size()))] = char(rng.bounded(256));
                break;
            case 1:  // cut file
                input.truncate(rng.bounded(int(input.size())));
                break;
            case 2:  // a line over the limit
                input.insert(rng.bounded(int(input.size())), QByteArray(1100 + rng.bounded(200), 'x'));
                break;
            case 3:  // binary
                input = QByteArray(rng.bounded(1, 400), Qt::Uninitialized);
                for (char& c : input)
                    c = char(rng.bounded(256));
                if (rng.bounded(2))
                    input.prepend(base.left(base.indexOf('\n') + 1));
                break;
            default:  // repeated, shuffled lines
                input += input.mid(rng.bounded(int(input.size())));
                break;
            }
            testsupport::writeBytes(inPath, input);
            importContacts(book, inPath, i % 2 == 0, 1024);
            QVERIFY2(book.lengthBytes() % 518 == 0, qPrintable(QString::number(i)));
            if (book.recordCount() > 50)
                QFile::resize(dir.filePath("book.dat"), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
