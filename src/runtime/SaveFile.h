#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

namespace rt {

// Writes a file through a temporary file beside it and a rename, so a failure never
// destroys an earlier file of that name: fill writes the contents (through writeBlock) as
// it makes them, and the file takes the name only once fill has returned. Failures raise
// RuntimeError (a full disk or the process's file size limit 61, a folder that cannot be
// written 75, others as mapped from errno); the temporary file then goes. A rename that
// fails with no errno raises renameFallback: an export reports a full disk, the book's
// rewrite a file it cannot replace.
void saveFile(const QString& path, const std::function<void(QIODevice&)>& fill, int renameFallback);

// Writes bytes to out; a write that falls short raises as saveFile does.
void writeBlock(QIODevice& out, const QByteArray& bytes);

}  // namespace rt
