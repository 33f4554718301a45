#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace contacts {

// The list order (rt::compareListText) as bytes, for texts made of the record files'
// characters: each character of the order (rt::listSortKey) becomes its rank among the
// characters a record can hold, so that two keys compare byte by byte, a shorter one first,
// as their texts do. A character a record cannot hold (only typed or pasted text has one)
// takes three bytes and sorts after every record character.
class ListKey {
public:
    static void append(QStringView text, std::string& key);
    // Record bytes in the code page; with blankControls a control character counts as the
    // blank the list line shows for it.
    static void appendBytes(const char* bytes, qsizetype size, bool blankControls, std::string& key);
    static void appendBlanks(qsizetype count, std::string& key);
};

// Row ids with compact list keys (one byte a character, in one block), sorted into the list
// order with equal keys in the order they came: a long list is sorted without a text per row.
class KeyedRows {
public:
    void reserve(std::size_t rows, std::size_t keyBytes);
    // The key of the next row is appended to key() and closed with add.
    std::string& key() { return m_arena; }
    void add(qint32 id);
    std::size_t size() const { return m_rows.size(); }
    // The ids in list order; the keys are let go.
    std::vector<qint32> sortedIds();

private:
    struct Row {
        quint64 head0;  // the key's first 16 bytes, big-endian, for the comparisons that end there
        quint64 head1;
        quint64 offset;
        quint32 length;
        qint32 id;
    };
    std::string m_arena;
    std::vector<Row> m_rows;
    std::size_t m_start = 0;
};

// Sorts items into the list order, equal texts keeping the order they came in (as the
// sorted lists place an added item after the equal ones).
template <class T, class TextOf>
void sortAsList(std::vector<T>& items, TextOf textOf)
{
    KeyedRows keyed;
    keyed.reserve(items.size(), items.size() * 24);
    for (std::size_t i = 0; i < items.size(); ++i) {
        ListKey::append(textOf(items[i]), keyed.key());
        keyed.add(qint32(i));
    }
    std::vector<T> sorted;
    sorted.reserve(items.size());
    for (qint32 at : keyed.sortedIds())
        sorted.push_back(std::move(items[std::size_t(at)]));
    items = std::move(sorted);
}

}  // namespace contacts
