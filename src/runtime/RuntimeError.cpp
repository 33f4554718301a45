#include "runtime/RuntimeError.h"

#include <cerrno>

namespace rt {

namespace {

std::string composeWhat(int number, const QString& description)
{
    return QStringLiteral("Error %1 -- %2").arg(number).arg(description).toStdString();
}

}  // namespace

RuntimeError::RuntimeError(int number)
    : RuntimeError(number, errorDescription(number))
{
}

RuntimeError::RuntimeError(int number, const QString& description)
    : m_number(number)
    , m_description(description)
    , m_what(composeWhat(number, description))
{
}

QString errorBoxText(int number, const QString& description, const QString& notify)
{
    return QStringLiteral("An error has occurred. Error number %1 -- %2.  Try again, or notify %3.")
        .arg(QString::number(number), description, notify);
}

QString errorDescription(int number)
{
    switch (number) {
    case err::InvalidCall: return QStringLiteral("Invalid procedure call or argument");
    case err::Overflow: return QStringLiteral("Overflow");
    case err::OutOfMemory: return QStringLiteral("Out of memory");
    case err::Subscript: return QStringLiteral("Subscript out of range");
    case err::TypeMismatch: return QStringLiteral("Type mismatch");
    case err::BadFileName: return QStringLiteral("Bad file name or number");
    case err::FileNotFound: return QStringLiteral("File not found");
    case err::DeviceIo: return QStringLiteral("Device I/O error");
    case err::DiskFull: return QStringLiteral("Disk full");
    case err::InputPastEnd: return QStringLiteral("Input past end of file");
    case err::BadRecordNumber: return QStringLiteral("Bad record number");
    case err::PermissionDenied: return QStringLiteral("Permission denied");
    case err::PathFileAccess: return QStringLiteral("Path/File access error");
    case err::PathNotFound: return QStringLiteral("Path not found");
    case err::PrinterError: return QStringLiteral("Printer error");
    case err::CancelSelected: return QStringLiteral("Cancel was selected.");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

int errorFromErrno(int osError)
{
    switch (osError) {
    case ENOENT: return err::FileNotFound;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return err::DiskFull;  // the file size limit of the process reached
    case EIO: return err::DeviceIo;
    case ENOTDIR: return err::PathNotFound;
    case ENOMEM: return err::OutOfMemory;
    case EACCES:
    case EROFS:
    case EPERM:
    default: return err::PathFileAccess;
    }
}

void raise(int number)
{
    throw RuntimeError(number);
}

}  // namespace rt
