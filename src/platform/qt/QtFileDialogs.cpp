#include "platform/qt/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace platform {

namespace {

std::optional<FileChoice> choice(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    return FileChoice{path, QFileInfo(path).fileName()};
}

}  // namespace

QString QtFileDialogs::qtFilter(const QString& classicFilter)
{
    const QStringList parts = classicFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patterns =
            i + 1 < parts.size() ? parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '))
                                 : QString();
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        if (patterns.isEmpty()) {
            filters << description;
            continue;
        }
        // Qt takes the patterns from the last parentheses of the text: drop the ones a
        // classic description usually shows, and put the real patterns there.
        static const QRegularExpression shownPatterns(QStringLiteral("\\s*\\([^()]*\\*[^()]*\\)$"));
        description.remove(shownPatterns);
        if (description.isEmpty())
            description = patterns;
        filters << QStringLiteral("%1 (%2)").arg(description, patterns.simplified());
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<FileChoice> QtFileDialogs::openFile(const QString& title, const QString& filter,
                                                  const QString& initialFolder)
{
    return choice(QFileDialog::getOpenFileName(QApplication::activeWindow(), title, initialFolder, qtFilter(filter)));
}

std::optional<FileChoice> QtFileDialogs::saveFile(const QString& title, const QString& filter,
                                                  const QString& initialFolder)
{
    return choice(QFileDialog::getSaveFileName(QApplication::activeWindow(), title, initialFolder, qtFilter(filter)));
}

}  // namespace platform
