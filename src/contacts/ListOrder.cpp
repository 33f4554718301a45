#include "contacts/ListOrder.h"

#include "runtime/Codepage.h"
#include "runtime/Text.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>

namespace contacts {

namespace {

constexpr unsigned char kOutside = 0xff;

struct Ranks {
    std::vector<unsigned char> ofChar;  // rank of a character of the order, kOutside when no record holds it
    std::array<std::string, 256> ofByte;
    std::array<std::string, 256> ofByteBlanked;

    Ranks() : ofChar(0x10000, kOutside)
    {
        std::array<QString, 256> folded;
        std::vector<char16_t> chars;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            folded[b] = rt::listSortKey(rt::fromCp1252(&byte, 1));
            for (QChar c : folded[b])
                chars.push_back(c.unicode());
        }
        std::sort(chars.begin(), chars.end());
        chars.erase(std::unique(chars.begin(), chars.end()), chars.end());
        if (chars.size() >= kOutside)
            throw std::logic_error("list order: too many characters for a byte rank");
        for (std::size_t r = 0; r < chars.size(); ++r)
            ofChar[chars[r]] = static_cast<unsigned char>(r);
        for (int b = 0; b < 256; ++b) {
            for (QChar c : folded[b])
                ofByte[b] += char(ofChar[c.unicode()]);
            const char byte = char(b);
            ofByteBlanked[b] = rt::isControl(rt::fromCp1252(&byte, 1).at(0).unicode()) ? std::string(1, char(ofChar[u' ']))
                                                                                        : ofByte[b];
        }
    }
};

const Ranks& ranks()
{
    static const Ranks table;
    return table;
}

quint64 bigEndian(const char* at, std::size_t size)
{
    quint64 value = 0;
    for (std::size_t i = 0; i < 8; ++i)
        value = (value << 8) | (i < size ? quint64(static_cast<unsigned char>(at[i])) : 0);
    return value;
}

}  // namespace

void ListKey::append(QStringView text, std::string& key)
{
    const Ranks& r = ranks();
    key.reserve(key.size() + std::size_t(text.size()));
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            key.push_back(r.ofByte[c.unicode()][0]);  // one rank each
            continue;
        }
        for (QChar f : rt::listSortKey(QString(c))) {
            const unsigned char rank = r.ofChar[f.unicode()];
            key += char(rank);
            if (rank == kOutside) {
                key += char(f.unicode() >> 8);
                key += char(f.unicode() & 0xff);
            }
        }
    }
}

void ListKey::appendBytes(const char* bytes, qsizetype size, bool blankControls, std::string& key)
{
    const auto& table = blankControls ? ranks().ofByteBlanked : ranks().ofByte;
    // Written into a buffer on the stack and appended at once: this runs for every field
    // of every record of a Get report.
    char buffer[256];
    while (size > 0) {
        const qsizetype part = std::min<qsizetype>(size, sizeof buffer / 2);
        char* out = buffer;
        for (qsizetype i = 0; i < part; ++i) {
            const std::string& ranksOf = table[static_cast<unsigned char>(bytes[i])];
            *out++ = ranksOf[0];  // a character gives one rank, or two
            if (ranksOf.size() > 1)
                *out++ = ranksOf[1];
        }
        key.append(buffer, std::size_t(out - buffer));
        bytes += part;
        size -= part;
    }
}

void ListKey::appendBlanks(qsizetype count, std::string& key)
{
    key.append(std::size_t(count), char(ranks().ofChar[u' ']));
}

void KeyedRows::reserve(std::size_t rows, std::size_t keyBytes)
{
    m_rows.reserve(rows);
    m_arena.reserve(keyBytes);
}

void KeyedRows::add(qint32 id)
{
    const std::size_t length = m_arena.size() - m_start;
    const char* at = m_arena.data() + m_start;
    m_rows.push_back(Row{bigEndian(at, length), bigEndian(at + std::min<std::size_t>(8, length), length > 8 ? length - 8 : 0),
                         m_start, quint32(length), id});
    m_start = m_arena.size();
}

std::vector<qint32> KeyedRows::sortedIds()
{
    const char* arena = m_arena.data();
    std::sort(m_rows.begin(), m_rows.end(), [arena](const Row& a, const Row& b) {
        if (a.head0 != b.head0)
            return a.head0 < b.head0;
        if (a.head1 != b.head1)
            return a.head1 < b.head1;
        const quint32 common = std::min(a.length, b.length);
        if (common > 16) {
            const int order = std::memcmp(arena + a.offset + 16, arena + b.offset + 16, common - 16);
            if (order != 0)
                return order < 0;
        }
        if (a.length != b.length)
            return a.length < b.length;
        return a.id < b.id;
    });
    std::vector<qint32> ids;
    ids.reserve(m_rows.size());
    for (const Row& row : m_rows)
        ids.push_back(row.id);
    std::vector<Row>().swap(m_rows);
    std::string().swap(m_arena);
    m_start = 0;
    return ids;
}

}  // namespace contacts
