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

void FindList::requireListable(qint64 count)
{
    if (count > maxItems())
        rt::raise(rt::err::OutOfMemory);
}

void FindList::read(const ContactFile& file, qint32 count, std::vector<Item>& items)
{
    if (count <= 0)
        return;
    requireListable(count);
    std::vector<Item> read;
    read.reserve(std::size_t(count));
    KeyedRows keyed;
    keyed.reserve(std::size_t(count), std::size_t(count) * 24);
    const auto sortInto = [&] {
        items.reserve(items.size() + read.size());
        for (qint32 at : keyed.sortedIds())
            items.push_back(std::move(read[std::size_t(at)]));
    };
    try {
        file.forEachRecord(count, [&](const char* record, qint32 n) {
            // The line's bytes put together first: one text a record, and its key from the bytes.
            char line[fields::FName.width + fields::MiddleInit.width + fields::LName.width + 2];
            int size = 0;
            for (FieldSlice field : {fields::FName, fields::MiddleInit, fields::LName}) {
                const QByteArrayView bytes = trimmedBytes(record, field);
                if (field.offset != 0)
                    line[size++] = ' ';
                std::copy(bytes.begin(), bytes.end(), line + size);
                size += int(bytes.size());
            }
            read.emplace_back(rt::fromCp1252(line, size), n);
            ListKey::appendBytes(line, size, false, keyed.key());
            keyed.add(qint32(read.size() - 1));
        });
    } catch (const rt::RuntimeError&) {
        sortInto();
        throw;
    }
    sortInto();
}

}  // namespace contacts
