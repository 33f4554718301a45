#pragma once

#include "runtime/Text.h"

#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstddef>
#include <vector>

namespace contacts {

// Sorts items into the list order (rt::compareListText), equal texts keeping the order they
// came in (as the sorted lists place an added item after the equal ones); each text's key
// is worked out once.
template <class T, class TextOf>
void sortAsList(std::vector<T>& items, TextOf textOf)
{
    struct Keyed {
        QString key;
        std::size_t at;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        keyed.push_back(Keyed{rt::listSortKey(textOf(items[i])), i});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        const int order = QStringView(a.key).compare(QStringView(b.key));
        return order != 0 ? order < 0 : a.at < b.at;
    });
    std::vector<T> sorted;
    sorted.reserve(items.size());
    for (const Keyed& k : keyed)
        sorted.push_back(std::move(items[k.at]));
    items = std::move(sorted);
}

}  // namespace contacts
