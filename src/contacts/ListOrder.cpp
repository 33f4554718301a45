#include "contacts/ListOrder.h"

#include "runtime/Text.h"

#include <algorithm>

namespace contacts {

int compareListText(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const QChar* pa = a.constData();
    const QChar* pb = b.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ca = rt::ucaseChar(pa[i]).unicode();
        const char16_t cb = rt::ucaseChar(pb[i]).unicode();
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace contacts
