#pragma once

#include <QString>

namespace contacts {

// The order of the sorted contact lists, without widgets: character by character in the
// record files' upper case, a shorter text before a longer one that it begins. Equal texts
// keep the order in which they were added. It matches platform::compareListText.
int compareListText(const QString& a, const QString& b);

}  // namespace contacts
