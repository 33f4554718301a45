#pragma once

#include <QLockFile>
#include <QString>

namespace session {

// The contact book held for one copy of the program for its whole run: a lock file beside
// the book ("QVL_Contacts.DAT.lock"). A second copy finds it held and must not open the
// book, whose records the first copy may rewrite or compact at any moment.
class BookLock {
public:
    explicit BookLock(const QString& bookPath);
    // False only when another running copy holds the book; a lock that cannot be made
    // (a read-only folder) leaves the book usable as before.
    bool take();

private:
    QLockFile m_lock;
};

}  // namespace session
