#include "transfer/ContactImport.h"

#include "contacts/ContactFile.h"
#include "contacts/FindList.h"
#include "runtime/RuntimeError.h"
#include "transfer/CsvFields.h"
#include "transfer/DuplicateIndex.h"
#include "transfer/ImportLines.h"
#include "transfer/OwnCsvColumns.h"
#include "transfer/VCardReader.h"

#include <QFile>
#include <algorithm>
#include <optional>

namespace transfer {

namespace {

// Appends the contacts that are not on file in batches of about 1 MB, one write each.
class BookSink : public ContactSink {
public:
    // namesOnly: the duplicate test compares the names alone, else names and e-mail.
    BookSink(contacts::ContactFile& book, qint32 recordCount, bool namesOnly, bool remindersOn)
        : m_book(book), m_onFile(recordCount), m_namesOnly(namesOnly), m_next(recordCount), m_remindersOn(remindersOn)
    {
        // A book too large to index is refused at once, before the file's rows are read.
        contacts::FindList::requireListable(recordCount);
        m_batch.reserve(BatchBytes + contacts::ContactRecord::Length);
    }

    void offer(const contacts::ContactRecord& contact) override
    {
        // The book is read at the first contact: a file that holds none costs no book read.
        if (!m_index)
            m_index.emplace(m_book, m_onFile, m_namesOnly);
        if (m_index->holds(contact))
            return;
        if (m_next + m_pending == std::numeric_limits<qint32>::max())
            rt::raise(rt::err::Overflow);
        contacts::ContactRecord record = contact;
        record.BdayReminder = m_remindersOn ? QStringLiteral("1") : QStringLiteral("0");
        m_batch += record.toBytes();
        ++m_pending;
        if (m_batch.size() >= BatchBytes)
            flush();
    }

    // Writes what is waiting; the contacts count as imported once written.
    void flush()
    {
        if (m_pending == 0)
            return;
        m_book.writeRecords(m_next + 1, m_batch);
        m_next += m_pending;
        m_imported += m_pending;
        m_pending = 0;
        m_batch.truncate(0);
    }

    int imported() const { return m_imported; }

private:
    static constexpr qsizetype BatchBytes = 1 << 20;

    contacts::ContactFile& m_book;
    const qint32 m_onFile;
    const bool m_namesOnly;
    std::optional<DuplicateIndex> m_index;
    qint32 m_next;
    bool m_remindersOn;
    int m_imported = 0;
    int m_pending = 0;
    QByteArray m_batch;
};

// Passes on the rows that hold a contact: a row whose fields would all be stored empty (the
// include-company flag aside) is never stored nor counted.
class ContactsOnly : public ContactSink {
public:
    explicit ContactsOnly(ContactSink& next) : m_next(next) {}

    void offer(const contacts::ContactRecord& contact) override
    {
        const bool holds = std::any_of(OwnCsvColumns.cbegin(), OwnCsvColumns.cend(), [&](const OwnCsvColumn& c) {
            return c.field != &contacts::ContactRecord::IncComp && !QStringView(contact.*c.field).trimmed().isEmpty();
        });
        if (!holds) {
            ++m_blank;
            return;
        }
        ++m_contacts;
        m_next.offer(contact);
    }

    // Rows were read and none of them held a contact.
    bool onlyBlank() const { return m_blank > 0 && m_contacts == 0; }

private:
    ContactSink& m_next;
    qint64 m_blank = 0;
    qint64 m_contacts = 0;
};

}  // namespace

void ImportOutcome::fail(const rt::RuntimeError& error)
{
    kind = Kind::Failed;
    errorNumber = error.number();
    errorDescription = error.description();
}

QString ImportOutcome::title() const
{
    switch (kind) {
    case Kind::NoFileChosen: return QStringLiteral("No file selected");
    case Kind::Completed: return QStringLiteral("Import completed");
    case Kind::NotCompatible: return QStringLiteral("No contacts imported");
    case Kind::Failed: return QStringLiteral("Error");
    }
    return {};
}

QString ImportOutcome::text() const
{
    switch (kind) {
    case Kind::NoFileChosen: return QStringLiteral("Click 'Select file to import' to select csv or vcf file.");
    case Kind::Completed:
        return QStringLiteral("D O N E !  ") + QString::number(imported) + QStringLiteral(" contacts successfully imported.");
    case Kind::NotCompatible: return QStringLiteral("CSV file not compatible with import function.");
    case Kind::Failed:
        return rt::errorBoxText(errorNumber, errorDescription, QStringLiteral("Quorvel"));
    }
    return {};
}

platform::Buttons ImportOutcome::buttons() const
{
    return kind == Kind::Failed ? platform::Buttons::RetryCancel : platform::Buttons::Ok;
}

platform::Icon ImportOutcome::icon() const
{
    return kind == Kind::NoFileChosen || kind == Kind::NotCompatible ? platform::Icon::Information
                                                                      : platform::Icon::None;
}

void checkImportFile(const QString& path)
{
    ImportLines lines(path);
    Q_UNUSED(lines);
}

ImportOutcome importContacts(contacts::ContactFile& book, const QString& path, bool remindersOn, qsizetype maxLine)
{
    ImportOutcome out;
    if (path.isEmpty()) {
        out.kind = ImportOutcome::Kind::NoFileChosen;
        return out;
    }
    qint64 startLength = -1;
    bool storing = false;
    try {
        const qint32 recordCount = book.recordCount();
        startLength = book.lengthBytes();
        ImportLines lines(path, maxLine);
        QString first;
        while (!lines.atEnd() && first.isEmpty())
            first = lines.readLine();
        out.layout = recogniseLayout(first);
        if (out.layout == ImportLayout::None) {
            out.kind = ImportOutcome::Kind::NotCompatible;
            return out;
        }
        book.requireSameFile();
        BookSink sink(book, recordCount, out.layout == ImportLayout::VCard, remindersOn);
        ContactsOnly contacts(sink);
        storing = true;
        try {
            if (out.layout == ImportLayout::VCard) {
                VCardReader(lines, first).run(contacts);
            } else {
                CsvRecords records(lines);
                const QStringList header = records.complete(first);
                if (!importCsv(out.layout, header, records, contacts)) {
                    out.kind = ImportOutcome::Kind::NotCompatible;
                    return out;
                }
            }
            sink.flush();
            if (contacts.onlyBlank()) {
                out.kind = ImportOutcome::Kind::NotCompatible;
                return out;
            }
        } catch (...) {
            // What was read before the failure is stored, as when each contact was written
            // at once; a failing write leaves the book as it was before it.
            try {
                sink.flush();
            } catch (...) {
            }
            out.imported = sink.imported();
            throw;
        }
        out.kind = ImportOutcome::Kind::Completed;
        out.imported = sink.imported();
    } catch (const rt::RuntimeError& e) {
        out.fail(e);
    } catch (const std::bad_alloc&) {
        out.fail(rt::RuntimeError(rt::err::OutOfMemory));
    }
    if (out.kind == ImportOutcome::Kind::Failed && storing && startLength % contacts::ContactRecord::Length == 0) {
        // A write cut short (a full disk) leaves part of a record: keep the whole ones.
        const qint64 whole = startLength + qint64(out.imported) * contacts::ContactRecord::Length;
        try {
            if (book.lengthBytes() > whole)
                QFile::resize(book.path(), whole);
        } catch (const rt::RuntimeError&) {
        }
    }
    return out;
}

}  // namespace transfer
