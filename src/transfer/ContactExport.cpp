#include "transfer/ContactExport.h"

#include "contacts/FindList.h"
#include "runtime/RuntimeError.h"
#include "runtime/SaveFile.h"
#include "runtime/Text.h"
#include "transfer/CsvWriter.h"
#include "transfer/VCardWriter.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

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

// Turns records into text, one format per kind, and writes the text as UTF-8 a block at a
// time.
class Builder {
public:
    Builder(ExportKind kind, QIODevice& out)
        : m_columnar(kind == ExportKind::Csv || kind == ExportKind::Text)
        , m_columns(kind == ExportKind::Text ? CsvWriter::Style::Text : CsvWriter::Style::Csv)
        , m_vcard(kind == ExportKind::VCardAndroid  ? VCardWriter::Version::V21
                  : kind == ExportKind::VCardIPhone ? VCardWriter::Version::V40
                                                    : VCardWriter::Version::V30)
        , m_out(out)
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

    void flush()
    {
        rt::writeBlock(m_out, m_text.toUtf8());
        m_text.clear();
    }

private:
    bool m_columnar;
    CsvWriter m_columns;
    VCardWriter m_vcard;
    QIODevice& m_out;
    QString m_text;
};

// Records turned into text between two writes: a block of well under 1 MB in any format.
constexpr qint32 kBlockRecords = 2048;

// The record as the record writer would have stored it: a control character that another
// program left in a field (a line break, TAB, NUL, ESC) reads as a blank, so the reader's
// trim takes it off the ends like any blank.
contacts::ContactRecord readBlanked(const char* stored)
{
    constexpr int data = contacts::ContactRecord::Length - 2;  // the record's own CR LF stays out
    char record[data];
    std::replace_copy_if(stored, stored + data, record, [](char c) { return rt::isControl(uchar(c)); }, ' ');
    return contacts::ContactRecord::fromBytes(QByteArray::fromRawData(record, data));
}

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

void ContactExport::write(const contacts::ContactFile& book, qint32 count, ExportKind kind, QIODevice& out)
{
    Builder builder(kind, out);
    book.forEachRecord(count, [&builder](const char* record, qint32 n) {
        builder.add(readBlanked(record));
        if (n % kBlockRecords == 0)
            builder.flush();
    });
    builder.flush();
}

ExportOutcome ContactExport::run(const contacts::ContactFile& book, const QString& dataFolder, ExportKind kind)
{
    const qint32 count = book.recordCount();  // raises when no contact file is open
    // A book too large to list is refused at once, as View All and Find Contact refuse it,
    // not after tens of minutes and gigabytes written.
    contacts::FindList::requireListable(count);
    const QString base = baseName(book.path());
    if (count == 0)
        return {false, QString(), NoContactsTitle, NoContactsText};

    const QString path = QDir(dataFolder).filePath(fileName(kind, base));
    rt::saveFile(
        path, [&](QIODevice& out) { write(book, count, kind, out); }, rt::err::DiskFull);
    return {true, path, DoneTitle, doneText(kind, base)};
}

}  // namespace transfer
