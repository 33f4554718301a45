#include "session/BookLock.h"

#include <QFile>
#include <QFileInfo>

namespace session {

BookLock::BookLock(const QString& bookPath) : m_path(bookPath + QStringLiteral(".lock")), m_lock(m_path)
{
    // Held for the whole run, however long: never taken for stale while its owner lives.
    m_lock.setStaleLockTime(0);
}

BookLock::Outcome BookLock::take()
{
    if (m_lock.tryLock(0))
        return Outcome::Taken;
    if (m_lock.error() != QLockFile::LockFailedError)
        return notMade();
    qint64 pid = 0;
    QString host, app;
    if (m_lock.getLockInfo(&pid, &host, &app)) {
        m_holder = QStringLiteral("process %1 on host %2").arg(pid).arg(host);
        return Outcome::Held;
    }
    // A file that names no process is what a power cut or a full disk leaves before its owner
    // wrote it. QLockFile takes it over only while nobody holds its system lock, so a copy
    // still writing its own file keeps it.
    if (m_lock.removeStaleLockFile()) {
        if (m_lock.tryLock(0))
            return Outcome::Taken;
        return m_lock.error() == QLockFile::LockFailedError ? Outcome::Held : notMade();
    }
    // Nothing a copy of the program would leave: it is not ours to remove.
    QFile file(m_path);
    if (QFileInfo(m_path).isDir())
        m_reason = QStringLiteral("a folder");
    else if (!file.open(QIODevice::ReadOnly))
        m_reason = QStringLiteral("a file that cannot be read (%1)").arg(file.errorString());
    return m_reason.isEmpty() ? Outcome::Held : Outcome::Blocked;
}

BookLock::Outcome BookLock::notMade()
{
    // QLockFile keeps no reason and removes a lock file it could not finish; making one by
    // hand gives the system's own words. Unbuffered, the write fails where the disk is full,
    // and the file goes again whatever happened, unless it was never made.
    QFile probe(m_path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        m_reason = probe.errorString();
    } else {
        if (probe.write(QByteArray(64, '\n')) != 64)
            m_reason = probe.errorString();
        probe.close();
        QFile::remove(m_path);
    }
    if (m_reason.isEmpty())
        m_reason = QStringLiteral("The lock file could not be written.");
    return Outcome::NotMade;
}

}  // namespace session
