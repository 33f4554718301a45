#pragma once

#include <QByteArray>
#include <QString>

namespace transfer {

// Writes a whole file through a temporary file beside it and a rename, so a failure never
// destroys an earlier file of that name. Failures raise rt::RuntimeError (a full disk 61,
// a folder that cannot be written 75, others as mapped from errno).
void saveWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace transfer
