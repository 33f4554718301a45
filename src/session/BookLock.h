#pragma once

#include <QLockFile>
#include <QString>

namespace session {

// The contact book held for one copy of the program for its whole run: a lock file beside
// the book ("QVL_Contacts.DAT.lock"). A second copy finds it held and must not open the
// book, whose records the first copy may rewrite or compact at any moment.
class BookLock {
public:
    enum class Outcome {
        Taken,
        Held,     // another running copy holds it, or one on another host
        NotMade,  // the folder takes no lock file: the book stays usable, unguarded
        Blocked,  // a folder or a file that cannot be read stands where the lock file goes
    };

    explicit BookLock(const QString& bookPath);
    Outcome take();

    QString lockPath() const { return m_path; }
    // After Held: the process and host the lock file names ("process 4711 on host desk").
    QString holder() const { return m_holder; }
    // After NotMade: why the file could not be made, as the system says it. After Blocked:
    // what stands there ("a folder", "a file that cannot be read (Permission denied)").
    QString reason() const { return m_reason; }

private:
    Outcome notMade();

    QString m_path;
    QLockFile m_lock;
    QString m_holder;
    QString m_reason;
};

}  // namespace session
