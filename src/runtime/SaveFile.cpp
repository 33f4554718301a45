#include "runtime/SaveFile.h"

#include "runtime/RuntimeError.h"

#include <QSaveFile>
#include <cerrno>

namespace rt {

namespace {

// QSaveFile keeps no errno of its own; what the failing call left there names the cause.
[[noreturn]] void fail(int fallback)
{
    raise(errno != 0 ? errorFromErrno(errno) : fallback);
}

}  // namespace

void saveFile(const QString& path, const std::function<void(QIODevice&)>& fill, int renameFallback)
{
    QSaveFile out(path);
    errno = 0;
    // Unbuffered, a write that fails says so at once; QSaveFile's commit() renames even when
    // the flush of a buffered last block fails.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(err::PathFileAccess);
    fill(out);  // raises past `out`, whose destructor removes the temporary file
    errno = 0;
    if (!out.commit())
        fail(renameFallback);
}

void writeBlock(QIODevice& out, const QByteArray& bytes)
{
    errno = 0;
    if (out.write(bytes) != bytes.size())
        fail(err::DiskFull);
}

}  // namespace rt
