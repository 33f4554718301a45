#pragma once

#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QTest>

namespace testsupport {

// Compares `got` whole with tests/data/<name>.txt. A mismatch leaves what was produced in
// the build tree's golden/ folder, to diff or to take over once it has been read.
inline bool matchesGolden(const QString& got, const QString& name)
{
    const QString want = QString::fromUtf8(readBytes(QStringLiteral(QUORVEL_TEST_DATA "/%1.txt").arg(name)));
    if (got == want)
        return true;
    const QString path = QStringLiteral(QUORVEL_BINARY_DIR "/golden/%1.txt").arg(name);
    QDir().mkpath(QFileInfo(path).path());
    writeBytes(path, got.toUtf8());
    qWarning("%s differs: see %s/golden", qPrintable(name), QUORVEL_BINARY_DIR);
    return false;
}

}  // namespace testsupport
