#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstddef>
#include <vector>

namespace contacts {

// The text in the record files' upper case: two keys compare as their texts do in the list
// order (rt::compareListText), so a long list is sorted with each item's key worked out once.
QString listSortKey(const QString& text);

// Sorts items into the list order, equal texts keeping the order they came in (as the
// sorted lists place an added item after the equal ones).
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
        keyed.push_back(Keyed{listSortKey(textOf(items[i])), i});
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
