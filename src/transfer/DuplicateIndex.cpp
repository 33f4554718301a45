#include "transfer/DuplicateIndex.h"

#include "contacts/ContactFile.h"
#include "runtime/Codepage.h"

#include <QHash>
#include <cstring>

namespace transfer {

namespace {

const char Sep = 0x1F;

// Appends the value as the book would hold it, trimmed.
void appendStored(QByteArray& key, const QString& value)
{
    const qsizetype at = key.size();
    key.resize(at + value.size());
    const qsizetype n = rt::toCp1252(value, key.data() + at, value.size());
    key.truncate(at + n);
    const QByteArrayView t = contacts::trimmedBytes(key.constData(), {int(at), int(n)});
    if (t.size() != n) {
        std::memmove(key.data() + at, t.data(), size_t(t.size()));
        key.truncate(at + t.size());
    }
}

size_t tableSize(qint32 count)
{
    size_t size = 16;
    while (size < size_t(count) * 2)
        size *= 2;
    return size;
}

}  // namespace

void DuplicateIndex::Table::insert(size_t hash, quint32 entry)
{
    const size_t mask = cells.size() - 1;
    size_t at = hash & mask;
    while (cells[at] != 0)
        at = (at + 1) & mask;
    cells[at] = entry + 1;
}

DuplicateIndex::DuplicateIndex(const contacts::ContactFile& book, qint32 recordCount)
{
    if (recordCount <= 0)
        return;
    m_entries.reserve(size_t(recordCount));
    m_keys.reserve(qsizetype(recordCount) * 24);
    m_names.cells.assign(tableSize(recordCount), 0);
    m_namesAndEmail.cells.assign(tableSize(recordCount), 0);
    book.forEachRecord(recordCount, [this](const char* record, qint32) {
        const QByteArrayView first = contacts::trimmedBytes(record, contacts::fields::FName);
        const QByteArrayView last = contacts::trimmedBytes(record, contacts::fields::LName);
        const QByteArrayView email = contacts::trimmedBytes(record, contacts::fields::Email);
        Entry e{m_keys.size(), quint16(first.size() + 1 + last.size()), 0};
        m_keys.append(first).append(Sep).append(last).append(Sep).append(email);
        e.length = quint16(m_keys.size() - e.start);
        const quint32 index = quint32(m_entries.size());
        m_entries.push_back(e);
        m_names.insert(qHash(key(e, true)), index);
        m_namesAndEmail.insert(qHash(key(e, false)), index);
    });
    m_keys.squeeze();
}

QByteArrayView DuplicateIndex::key(const Entry& e, bool namesOnly) const
{
    return QByteArrayView(m_keys.constData() + e.start, namesOnly ? e.namesLength : e.length);
}

bool DuplicateIndex::find(const Table& table, QByteArrayView wanted, bool namesOnly) const
{
    if (table.cells.empty())
        return false;
    const size_t mask = table.cells.size() - 1;
    for (size_t at = qHash(wanted) & mask; table.cells[at] != 0; at = (at + 1) & mask) {
        if (key(m_entries[table.cells[at] - 1], namesOnly) == wanted)
            return true;
    }
    return false;
}

bool DuplicateIndex::holds(const contacts::ContactRecord& v, bool namesOnly) const
{
    if (v.FName.isEmpty() || v.LName.isEmpty() || (!namesOnly && v.Email.isEmpty()))
        return false;
    QByteArray wanted;
    wanted.reserve(v.FName.size() + v.LName.size() + v.Email.size() + 2);
    appendStored(wanted, v.FName);
    wanted += Sep;
    appendStored(wanted, v.LName);
    if (namesOnly)
        return find(m_names, wanted, true);
    wanted += Sep;
    appendStored(wanted, v.Email);
    return find(m_namesAndEmail, wanted, false);
}

}  // namespace transfer
