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

// Text, line, key and list entry of one listed record, with room to spare for the
// allocator: a generous guess, so that a book refused here could never have been listed.
constexpr qint64 kBytesPerItem = 512;

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
    file.forEachRecord(count, [&items](const char* record, qint32 n) {
        items.emplace_back(trimmedField(record, fields::FName) + QLatin1Char(' ')
                               + trimmedField(record, fields::MiddleInit) + QLatin1Char(' ')
                               + trimmedField(record, fields::LName),
                           n);
    });
}

void FindList::sort(std::vector<Item>& items)
{
    sortAsList(items, [](const Item& item) -> const QString& { return item.first; });
}

}  // namespace contacts
