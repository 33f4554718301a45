// Reads the margin records of a 1 GB QVLPARAM.TXT, as every Print does, and prints the time.
#include "margins/MarginFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

int main()
{
    QTemporaryDir dir;
    QFile file(margins::marginFilePath(dir.path()));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    const QByteArray block = QByteArray("BULKLIST|  1|  1\r\n").repeated(65536);
    for (int i = 0; i < 910; ++i)  // about 1 GB
        file.write(block);
    file.write("ONTHEFLY|  2| -1\r\n");
    file.close();
    QElapsedTimer timer;
    timer.start();
    const auto adjust = margins::readMargins(dir.path(), {QStringLiteral("ONTHEFLY"), QStringLiteral("ENVELOPE")});
    std::printf("margin records of a %.2f GB file: %.3f s (ONTHEFLY %d/%d)\n", double(file.size()) / 1e9,
                double(timer.nsecsElapsed()) / 1e9, adjust[0].left, adjust[0].top);
    return 0;
}
