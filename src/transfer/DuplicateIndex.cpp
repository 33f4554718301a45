#include "transfer/DuplicateIndex.h"

#include "contacts/ContactFile.h"
#include "contacts/FindList.h"
#include "runtime/Codepage.h"

#include <QHash>
#include <algorithm>
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

}  // namespace

QByteArrayView DuplicateIndex::KeySet::keyAt(quint64 place) const
{
    const char* at = m_blocks[place >> kBlockBits].get() + (place & ((quint64(1) << kBlockBits) - 1));
    return QByteArrayView(at + 1, uchar(*at));
}

std::size_t DuplicateIndex::KeySet::probe(QByteArrayView key, std::size_t hash) const
{
    const std::size_t mask = m_cells.size() - 1;
    const quint64 tag = quint64(hash >> kPlaceBits) << kPlaceBits;
    std::size_t at = hash & mask;
    for (; m_cells[at] != 0; at = (at + 1) & mask) {
        const quint64 cell = m_cells[at];
        if ((cell & ~kPlaceMask) == tag && keyAt((cell & kPlaceMask) - 1) == key)
            break;
    }
    return at;
}

void DuplicateIndex::KeySet::grow()
{
    std::vector<quint64> old(m_cells.empty() ? 16 : m_cells.size() * 2, 0);
    old.swap(m_cells);
    for (quint64 cell : old) {
        if (cell == 0)
            continue;
        const QByteArrayView key = keyAt((cell & kPlaceMask) - 1);
        m_cells[probe(key, qHash(key))] = cell;
    }
}

void DuplicateIndex::KeySet::insert(QByteArrayView key)
{
    Q_ASSERT(key.size() < 256);
    if ((m_used + 1) * 2 > m_cells.size())
        grow();
    const std::size_t hash = qHash(key);
    const std::size_t at = probe(key, hash);
    if (m_cells[at] != 0)
        return;
    // A key never straddles two blocks.
    constexpr quint64 blockSize = quint64(1) << kBlockBits;
    if ((m_end & (blockSize - 1)) + 1 + quint64(key.size()) > blockSize || m_end >> kBlockBits == m_blocks.size()) {
        if (m_end & (blockSize - 1))
            m_end = (m_end | (blockSize - 1)) + 1;
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(blockSize));
    }
    char* out = m_blocks[m_end >> kBlockBits].get() + (m_end & (blockSize - 1));
    *out = char(uchar(key.size()));
    std::memcpy(out + 1, key.data(), size_t(key.size()));
    m_cells[at] = (quint64(hash >> kPlaceBits) << kPlaceBits) | (m_end + 1);
    m_end += 1 + quint64(key.size());
    ++m_used;
}

bool DuplicateIndex::KeySet::contains(QByteArrayView key) const
{
    return !m_cells.empty() && key.size() < 256 && m_cells[probe(key, qHash(key))] != 0;
}

DuplicateIndex::DuplicateIndex(const contacts::ContactFile& book, qint32 recordCount, bool namesOnly)
    : m_namesOnly(namesOnly)
{
    recordCount = std::max(recordCount, 0);
    contacts::FindList::requireListable(recordCount);
    book.forEachRecord(recordCount, [this](const char* record, qint32) {
        char key[contacts::fields::FName.width + contacts::fields::LName.width + contacts::fields::Email.width + 2];
        qsizetype size = 0;
        const auto add = [&](contacts::FieldSlice field) {
            const QByteArrayView bytes = contacts::trimmedBytes(record, field);
            std::memcpy(key + size, bytes.data(), size_t(bytes.size()));
            size += bytes.size();
        };
        add(contacts::fields::FName);
        key[size++] = Sep;
        add(contacts::fields::LName);
        if (!m_namesOnly) {
            key[size++] = Sep;
            add(contacts::fields::Email);
        }
        m_keys.insert(QByteArrayView(key, size));
    });
}

bool DuplicateIndex::holds(const contacts::ContactRecord& v) const
{
    if (v.FName.isEmpty() || v.LName.isEmpty() || (!m_namesOnly && v.Email.isEmpty()))
        return false;
    QByteArray wanted;
    wanted.reserve(v.FName.size() + v.LName.size() + v.Email.size() + 2);
    appendStored(wanted, v.FName);
    wanted += Sep;
    appendStored(wanted, v.LName);
    if (!m_namesOnly) {
        wanted += Sep;
        appendStored(wanted, v.Email);
    }
    return m_keys.contains(wanted);
}

}  // namespace transfer
