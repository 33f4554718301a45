#include "platform/qt/QtShell.h"

#include <QProcess>
#include <QUrl>

namespace platform {

namespace {

// How long xdg-open is given to say that it cannot open the target. It fails at once (no
// program set for the file type or the web page, the file gone), while under a desktop it
// hands the target over and ends, and without one it runs the program until it is closed.
constexpr int kVerdictMs = 1500;

// Opens `target` (a file path or an address) with the desktop's program for it through
// xdg-open. Qt's own opener reports success as soon as it has started xdg-open, so a machine
// with no PDF viewer or web browser would get no word at all: its exit status is the answer.
bool openWithDesktop(const QString& target)
{
    auto* process = new QProcess;
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({target});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted() || process->waitForFinished(kVerdictMs)) {
        const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0 &&
                            process->error() == QProcess::UnknownError;
        delete process;
        return opened;
    }
    // Still running: the program it started shows the document. The process object is left
    // alone, so that quitting Quorvel does not close the viewer; it goes when xdg-open ends.
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return true;
}

}  // namespace

bool QtShell::openDocument(const QString& path)
{
    // Paths are built as "folder\name" in places; a backslash is no separator here.
    QString local = path;
    local.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return openWithDesktop(local);
}

bool QtShell::openUrl(const QString& url)
{
    const QUrl target = QUrl::fromUserInput(url);
    if (!target.isValid())
        return false;
    return openWithDesktop(target.toString(QUrl::FullyEncoded));
}

}  // namespace platform
