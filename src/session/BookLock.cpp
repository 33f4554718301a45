#include "session/BookLock.h"

#include <QFile>

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
    if (m_lock.error() != QLockFile::LockFailedError) {
        // QLockFile keeps no reason; making the file by hand gives the system's own words.
        QFile probe(m_path);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            m_reason = probe.errorString();
        else if (probe.write(QByteArray(64, '\n')) != 64 || !probe.flush())
            m_reason = probe.errorString();
        probe.remove();
        if (m_reason.isEmpty())
            m_reason = QStringLiteral("The lock file could not be written.");
        return Outcome::NotMade;
    }
    qint64 pid = 0;
    QString host, app;
    // A file that names no process is what a power cut leaves before its owner wrote it.
    // QLockFile takes it over only while nobody holds its system lock, so a copy still
    // writing its own file keeps it.
    if (!m_lock.getLockInfo(&pid, &host, &app) && m_lock.removeStaleLockFile() && m_lock.tryLock(0))
        return Outcome::Taken;
    if (m_lock.getLockInfo(&pid, &host, &app))
        m_holder = QStringLiteral("process %1 on host %2").arg(pid).arg(host);
    return Outcome::Held;
}

}  // namespace session
