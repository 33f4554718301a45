#include "session/BookLock.h"

namespace session {

BookLock::BookLock(const QString& bookPath)
    : m_lock(bookPath + QStringLiteral(".lock"))
{
    // Held for the whole run, however long: never taken for stale while its owner lives.
    m_lock.setStaleLockTime(0);
}

bool BookLock::take()
{
    return m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError;
}

}  // namespace session
