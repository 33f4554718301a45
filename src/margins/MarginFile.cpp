#include "margins/MarginFile.h"

#include "margins/MarginParamRecord.h"
#include "runtime/Numeric.h"
#include "runtime/RecordFile.h"

#include <QDir>

namespace margins {

QString marginFilePath(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("QVLPARAM.TXT"));
}

MarginAdjust readMargin(const QString& dataFolder, const QString& key)
{
    return readMargins(dataFolder, {key}).front();
}

QList<MarginAdjust> readMargins(const QString& dataFolder, const QStringList& keys)
{
    QList<MarginAdjust> result(keys.size());
    rt::RecordFile file(MarginParamRecord::Length);  // closes on every way out
    file.open(marginFilePath(dataFolder));
    // Only a record whose name is one of the keys is decoded: a huge file costs one pass of
    // block reads and byte compares.
    QList<QByteArray> keyBytes;
    for (const QString& key : keys)
        keyBytes.append(key.toLatin1());
    const qint64 count = file.recordCount();
    const int length = MarginParamRecord::Length;
    file.forEachRecord(count, [&](const char* at, qint64) {
        const QByteArrayView bytes(at, length);
        QByteArrayView name = bytes.first(8);
        while (!name.isEmpty() && name.back() == ' ')
            name.chop(1);
        for (qsizetype k = 0; k < keys.size(); ++k) {
            if (name == keyBytes[k] && QString::fromLatin1(keyBytes[k]) == keys[k]) {
                const MarginParamRecord record = MarginParamRecord::fromBytes(bytes.toByteArray());
                result[k].left = rt::toInt16(record.LeftAdj);
                result[k].top = rt::toInt16(record.TopAdj);
            }
        }
    });
    file.close();
    return result;
}

}  // namespace margins
