#pragma once

#include "TestFiles.h"

#include <QStringList>

namespace testsupport {

// The rows of a table under tests/data, one a line, its fields separated by tabs; "\t", "\n",
// "\r" and "\\" in a field stand for a tab, a line feed, a carriage return and a backslash.
// Blank lines and lines starting with "#" are skipped. The first field names the row.
inline QList<QStringList> tableRows(const QString& name)
{
    QList<QStringList> rows;
    const QString text = QString::fromUtf8(readBytes(QStringLiteral(QUORVEL_TEST_DATA "/") + name));
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'#'))
            continue;
        QStringList fields = line.split(u'\t');
        for (QString& f : fields)
            f = f.replace(QLatin1String("\\\\"), QLatin1String("\x01")).replace(QLatin1String("\\t"), QLatin1String("\t"))
                    .replace(QLatin1String("\\n"), QLatin1String("\n")).replace(QLatin1String("\\r"), QLatin1String("\r"))
                    .replace(u'\x01', u'\\');
        rows << fields;
    }
    return rows;
}

// A field "W*40" of a table as forty W; any other field as it is.
inline QString repeated(const QString& field)
{
    bool isCount = false;
    const int times = field.section(u'*', -1).toInt(&isCount);
    return isCount ? field.section(u'*', 0, -2).repeated(times) : field;
}

}  // namespace testsupport
