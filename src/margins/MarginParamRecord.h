#pragma once

#include <QByteArray>
#include <QString>

namespace margins {

// One record of QVLPARAM.TXT: 18 bytes, the key, two adjustments as text, CR LF.
// Fields hold their text as stored (not trimmed).
struct MarginParamRecord {
    static constexpr int Length = 18;

    QString ParamName;                        // 8: "ONTHEFLY", "ENVELOPE", "RETURNAD", "BULKLIST"
    QString ParamSep1 = QStringLiteral("|");  // 1
    QString LeftAdj;                          // 3: character columns, positive to the right
    QString ParamSep2 = QStringLiteral("|");  // 1
    QString TopAdj;                           // 3: text rows, positive downwards

    // Each field padded with blanks on the right or cut to its width, then CR LF.
    QByteArray toBytes() const;
    // Shorter input reads as if padded with blanks.
    static MarginParamRecord fromBytes(const QByteArray& bytes);

    // ParamName with the blanks at its right end removed: what a key is compared with.
    QString key() const;
};

}  // namespace margins
