#include "transfer/SaveText.h"

#include "runtime/RuntimeError.h"

#include <QSaveFile>
#include <cerrno>

namespace transfer {

namespace {

// QSaveFile keeps no errno of its own; what the failing call left there names the cause.
[[noreturn]] void fail(int fallback)
{
    const int number = errno != 0 ? rt::errorFromErrno(errno) : fallback;
    rt::raise(number);
}

}  // namespace

void saveWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile out(path);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly))
        fail(rt::err::PathFileAccess);
    errno = 0;
    if (out.write(bytes) != bytes.size()) {
        const int saved = errno;
        out.cancelWriting();
        errno = saved;
        fail(rt::err::DiskFull);
    }
    errno = 0;
    if (!out.commit())
        fail(rt::err::DiskFull);
}

}  // namespace transfer
