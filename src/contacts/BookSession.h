#pragma once

#include "contacts/ContactFile.h"
#include "session/Session.h"

namespace contacts {

// The session with its open contact book: what the windows that read and write contacts
// share. The book comes first, so the session below never sees it half built.
class BookSession : private session::Book, public session::Session {
public:
    BookSession() : session::Session(static_cast<session::Book&>(*this)) {}
    BookSession(const BookSession&) = delete;
    BookSession& operator=(const BookSession&) = delete;

    ContactFile contactFile;  // file number 1

private:
    void open(const QString& path) override { contactFile.open(path); }
    void close() override { contactFile.close(); }
};

}  // namespace contacts
