#include "contacts/ListOrder.h"

#include "runtime/Text.h"

#include <algorithm>

namespace contacts {

QString listSortKey(const QString& text)
{
    QString key(text.size(), Qt::Uninitialized);
    QChar* out = key.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80)
            out[i] = QChar(c >= u'a' && c <= u'z' ? char16_t(c - 0x20) : c);
        else
            out[i] = rt::ucaseChar(text[i]);
    }
    return key;
}

}  // namespace contacts
