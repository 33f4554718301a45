#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace margins {

// The left (character columns) and top (text rows) adjustment of one margin record.
struct MarginAdjust {
    std::int16_t left = 0;
    std::int16_t top = 0;

    bool operator==(const MarginAdjust&) const = default;
};

// QVLPARAM.TXT in the data folder.
QString marginFilePath(const QString& dataFolder);

// Reads the margin file as the print commands do: opens it (creating it empty when
// missing), reads records 1..count in order and closes it, also after an error. The last
// record whose name, trailing blanks removed, equals the key exactly wins; its LeftAdj and
// TopAdj convert strictly to 16 bits (not a number raises 13, out of range 6). A key no
// record carries gives 0, 0.
MarginAdjust readMargin(const QString& dataFolder, const QString& key);
// Several keys in one pass; the result follows the order of keys.
QList<MarginAdjust> readMargins(const QString& dataFolder, const QStringList& keys);

}  // namespace margins
