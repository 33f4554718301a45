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
    const qint64 count = file.recordCount();
    for (qint64 n = 1; n <= count; ++n) {
        const MarginParamRecord record = MarginParamRecord::fromBytes(file.read(n));
        const QString name = record.key();
        for (qsizetype k = 0; k < keys.size(); ++k) {
            if (name == keys[k]) {
                result[k].left = rt::toInt16(record.LeftAdj);
                result[k].top = rt::toInt16(record.TopAdj);
            }
        }
    }
    file.close();
    return result;
}

}  // namespace margins
