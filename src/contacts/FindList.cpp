#include "contacts/FindList.h"

#include "contacts/ContactFile.h"
#include "contacts/ContactRecord.h"
#include "contacts/ListOrder.h"
#include "runtime/Codepage.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"

#include <algorithm>
#include <limits>
#include <unistd.h>

namespace contacts {

namespace {

// Name fields of the record layout: FName 14, "|", MiddleInit 1, "|", LName 18.
constexpr int kFNameAt = 0, kFNameWidth = 14;
constexpr int kMiddleAt = 15, kMiddleWidth = 1;
constexpr int kLNameAt = 17, kLNameWidth = 18;

constexpr qint32 kBlockRecords = 4096;

// Text, line, key and list entry of one listed record, with room to spare for the
// allocator: a generous guess, so that a book refused here could never have been listed.
constexpr qint64 kBytesPerItem = 512;

void appendTrimmed(QString& out, const char* at, int width)
{
    int begin = 0;
    int end = width;
    while (begin < end && at[begin] == ' ')
        ++begin;
    while (end > begin && at[end - 1] == ' ')
        --end;
    out += rt::fromCp1252(at + begin, end - begin);
}

}  // namespace

qint64 FindList::maxItems()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return std::numeric_limits<qint32>::max();
    return std::min<qint64>(qint64(pages) / kBytesPerItem * pageSize, std::numeric_limits<qint32>::max());
}

void FindList::read(const ContactFile& file, qint32 count, std::vector<Item>& items)
{
    if (count <= 0)
        return;
    if (count > maxItems())
        rt::raise(rt::err::OutOfMemory);
    items.reserve(items.size() + std::size_t(count));
    for (qint32 first = 1; first <= count;) {
        const qint32 n = std::min(kBlockRecords, count - first + 1);
        const QByteArray block = file.readRecords(first, n);
        for (qint32 i = 0; i < n; ++i) {
            const char* record = block.constData() + qsizetype(i) * ContactRecord::Length;
            QString text;
            text.reserve(kFNameWidth + kMiddleWidth + kLNameWidth + 2);
            appendTrimmed(text, record + kFNameAt, kFNameWidth);
            text += QLatin1Char(' ');
            appendTrimmed(text, record + kMiddleAt, kMiddleWidth);
            text += QLatin1Char(' ');
            appendTrimmed(text, record + kLNameAt, kLNameWidth);
            items.emplace_back(std::move(text), first + i);
        }
        first += n;
    }
}

void FindList::sort(std::vector<Item>& items)
{
    sortAsList(items, [](const Item& item) -> const QString& { return item.first; });
}

}  // namespace contacts
