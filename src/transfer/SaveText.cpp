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

void saveFile(const QString& path, const std::function<void(QIODevice&)>& fill)
{
    QSaveFile out(path);
    errno = 0;
    // Unbuffered, a write that fails says so at once; QSaveFile's commit() renames even when
    // the flush of a buffered last block fails.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(rt::err::PathFileAccess);
    fill(out);  // raises past `out`, whose destructor removes the temporary file
    errno = 0;
    if (!out.commit())
        fail(rt::err::DiskFull);
}

void writeBlock(QIODevice& out, const QByteArray& bytes)
{
    errno = 0;
    if (out.write(bytes) != bytes.size())
        fail(rt::err::DiskFull);
}

}  // namespace transfer
