#include "transfer/ContactExport.h"

#include "transfer/CsvWriter.h"
#include "transfer/SaveText.h"
#include "transfer/VCardWriter.h"

#include <QDir>
#include <QFileInfo>

namespace transfer {

namespace {

struct KindInfo {
    const char16_t* prefix;
    const char16_t* extension;
    const char16_t* made;  // what the completion message says was made
};

KindInfo info(ExportKind kind)
{
    switch (kind) {
    case ExportKind::Csv:
        return {u"QVLC_", u".csv", u"A csv file of contacts has been created and"};
    case ExportKind::Text:
        return {u"QVLT_", u".txt", u"A text file of contacts has been created and"};
    case ExportKind::VCardAndroid:
        return {u"QVLVAndroid_", u".vcf", u"A vCard (vcf) file of contacts has been created for Android and"};
    case ExportKind::VCardIPhone:
        return {u"QVLViPhone_", u".vcf", u"A vCard (vcf) file of contacts has been created for iPhone and"};
    case ExportKind::VCard30:
        break;
    }
    return {u"QVLV30_", u".vcf", u"A vCard (vcf) v3.0 file of contacts has been created and"};
}

// Turns records into text, one format per kind; the text goes to UTF-8 a block at a time.
class Builder {
public:
    explicit Builder(ExportKind kind)
        : m_columnar(kind == ExportKind::Csv || kind == ExportKind::Text)
        , m_columns(kind == ExportKind::Text ? CsvWriter::Style::Text : CsvWriter::Style::Csv)
        , m_vcard(kind == ExportKind::VCardAndroid  ? VCardWriter::Version::V21
                  : kind == ExportKind::VCardIPhone ? VCardWriter::Version::V40
                                                    : VCardWriter::Version::V30)
    {
        if (m_columnar)
            m_text = m_columns.header();
    }

    void add(const contacts::ContactRecord& record)
    {
        if (m_columnar)
            m_columns.appendRecord(m_text, record);
        else
            m_vcard.appendCard(m_text, record);
    }

    // expected: the records still to come after this block, so that the first block sizes
    // the whole file and the bytes are not copied again as they grow.
    void flush(qint64 blockRecords = 0, qint64 expected = 0)
    {
        const QByteArray block = m_text.toUtf8();
        if (m_bytes.isEmpty() && blockRecords > 0)
            m_bytes.reserve(block.size() + block.size() / blockRecords * expected * 11 / 10);
        m_bytes += block;
        m_text.clear();
    }

    QByteArray take()
    {
        flush();
        return std::move(m_bytes);
    }

private:
    bool m_columnar;
    CsvWriter m_columns;
    VCardWriter m_vcard;
    QString m_text;
    QByteArray m_bytes;
};

// Records turned into text between two conversions to UTF-8.
constexpr qint32 kFlushRecords = 2048;

}  // namespace

QString ContactExport::baseName(const QString& contactPath)
{
    QString name = QFileInfo(contactPath).fileName();
    name.remove(QStringLiteral(".DAT"), Qt::CaseSensitive);
    name.remove(QStringLiteral(".dat"), Qt::CaseSensitive);
    return name;
}

QString ContactExport::fileName(ExportKind kind, const QString& baseName)
{
    const KindInfo k = info(kind);
    return QString::fromUtf16(k.prefix) + baseName + QString::fromUtf16(k.extension);
}

QString ContactExport::doneText(ExportKind kind, const QString& baseName)
{
    return QStringLiteral("D O N E !  ") + QString::fromUtf16(info(kind).made)
        + QStringLiteral(" stored in your Quorvel folder.  This file is named ") + fileName(kind, baseName);
}

ExportOutcome ContactExport::run(const contacts::ContactFile& book, const QString& dataFolder,
                                 ExportKind kind)
{
    const qint32 count = book.recordCount();  // raises when no contact file is open
    const QString base = baseName(book.path());
    if (count == 0)
        return {false, QString(), NoContactsTitle, NoContactsText};

    Builder builder(kind);
    book.forEachRecord(count, [&](const char* record, qint32 n) {
        builder.add(contacts::ContactRecord::fromBytes(QByteArray::fromRawData(record, contacts::ContactRecord::Length)));
        if (n % kFlushRecords == 0)
            builder.flush(kFlushRecords, count - n);
    });

    const QString name = fileName(kind, base);
    const QString path = QDir(dataFolder).filePath(name);
    saveWholeFile(path, builder.take());
    return {true, path, DoneTitle, doneText(kind, base)};
}

}  // namespace transfer
