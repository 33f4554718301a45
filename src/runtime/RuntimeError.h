#pragma once

#include <QString>
#include <exception>
#include <string>

namespace rt {

// A classic run-time error: a number and its description. Every failure the user may
// see travels as one of these; commands catch it in their error trap.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, const QString& description);

    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    QString m_description;
    std::string m_what;
};

// The classic description of an error number ("Overflow" for 6, ...).
QString errorDescription(int number);

// The text of the common error box. Its last word names whom to tell: the Import window
// names the program, every other command the author.
QString errorBoxText(int number, const QString& description, const QString& notify = QStringLiteral("author"));

// Maps an operating-system errno onto the classic error numbers (ENOENT 53, EACCES 75, ...).
int errorFromErrno(int osError);

[[noreturn]] void raise(int number);

namespace err {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int Subscript = 9;
constexpr int TypeMismatch = 13;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int DeviceIo = 57;
constexpr int DiskFull = 61;
constexpr int InputPastEnd = 62;
constexpr int BadRecordNumber = 63;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int PrinterError = 482;
constexpr int CancelSelected = 32755;
}  // namespace err

}  // namespace rt
