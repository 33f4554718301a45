#include "contacts/ContactRecord.h"

#include <QFile>
#include <QTest>

using contacts::ContactRecord;

namespace {

QByteArray golden()
{
    QFile f(QStringLiteral(QUORVEL_TEST_DATA "/contact_record.dat"));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing golden file");
    return f.readAll();
}

ContactRecord goldenRecord()
{
    ContactRecord r;
    r.FName = QString::fromUtf8("José");
    r.MiddleInit = "Q";
    r.LName = "O'Brien-Smith";
    r.FStreet = "1200 North Main Street";
    r.SStreet = "Apt 4B";
    r.City = "Springfield";
    r.State = "IL";
    r.Zip = "62704-1234";
    r.Country = "USA";
    r.HPhone = "(217) 555-0101";
    r.CPhone = "217-555-0102";
    r.WPhone = "217 555 0103";
    r.Email = "jose.obrien@example.com";
    r.Birthdate = "19700412";
    r.Category = "Friends;Work";
    r.Notes = QString::fromUtf8("Prefers “quotes” — costs 5€");
    r.Company = QString::fromUtf8("Acme Müller & Søn");
    r.IncComp = "1";
    r.BdayReminder = "0";
    return r;
}

}  // namespace

class TestContactRecord : public QObject {
    Q_OBJECT

private slots:
    void matchesGoldenFile()
    {
        const QByteArray bytes = goldenRecord().toBytes();
        QCOMPARE(bytes.size(), 518);
        QCOMPARE(bytes, golden());
        QCOMPARE(ContactRecord::fromBytes(golden()), goldenRecord());
    }

    void separatorsAndLineEnd()
    {
        const QByteArray bytes = ContactRecord{}.toBytes();
        // 1-based positions of the 18 separators.
        const QList<int> seps = {15, 17, 36, 67, 83, 100, 103, 114, 134, 150,
                                 166, 180, 231, 240, 321, 482, 513, 515};
        for (int i = 0; i < bytes.size() - 2; ++i) {
            const char expected = seps.contains(i + 1) ? '|' : ' ';
            QCOMPARE(bytes[i], expected);
        }
        QCOMPARE(bytes.mid(516), QByteArray("\r\n"));  // bytes 517-518
    }

    void writerRemovesLeadingBlanksAndCuts()
    {
        ContactRecord r;
        r.FName = "   Bob  ";
        r.LName = "Bartholomew-Featherstonehaugh";
        r.State = "\tx";
        r.City = QString::fromUtf8("Łódź");
        const QByteArray bytes = r.toBytes();
        QCOMPARE(bytes.left(14), QByteArray("Bob           "));
        QCOMPARE(bytes.mid(17, 18), QByteArray("Bartholomew-Feathe"));
        QCOMPARE(bytes.mid(100, 2), QByteArray("\tx"));
        QCOMPARE(bytes.mid(83, 16), QByteArray("?\xF3" "d?            "));
        QCOMPARE(bytes.size(), 518);
    }

    void readerTrimsBlanksOnly()
    {
        QByteArray bytes = ContactRecord{}.toBytes();
        bytes.replace(0, 14, "  Ann \t       ");
        const ContactRecord r = ContactRecord::fromBytes(bytes);
        QCOMPARE(r.FName, QString("Ann \t"));
    }

    void shortInputReadsPadded()
    {
        const ContactRecord r = ContactRecord::fromBytes("Bob           |J|Smi");
        QCOMPARE(r.FName, QString("Bob"));
        QCOMPARE(r.MiddleInit, QString("J"));
        QCOMPARE(r.LName, QString("Smi"));
        QCOMPARE(r.BdayReminder, QString());
        QCOMPARE(ContactRecord::fromBytes(QByteArray()), ContactRecord{});
    }

    void bytesOutsideTheCodePageSurvive()
    {
        // Bytes that are no text in Windows-1252 still come back byte for byte.
        QByteArray bytes = ContactRecord{}.toBytes();
        bytes.replace(0, 14, QByteArray("\x81\x8D\x8F\x90\x9D\x01\x7F\xFF\x80xy\x00z!", 14));
        const ContactRecord r = ContactRecord::fromBytes(bytes);
        QCOMPARE(r.FName.size(), 14);
        QCOMPARE(r.FName.at(0), QChar(0x81));
        QCOMPARE(r.toBytes(), bytes);
    }
};

QTEST_GUILESS_MAIN(TestContactRecord)
#include "tst_contactrecord.moc"
