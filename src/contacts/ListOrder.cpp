#include "contacts/ListOrder.h"

#include "runtime/Text.h"

#include <algorithm>

namespace contacts {

int compareListText(const QString& a, const QString& b)
{
    return rt::compareListText(a, b);
}

}  // namespace contacts
