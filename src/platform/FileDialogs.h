#pragma once

#include <QString>
#include <optional>

namespace platform {

struct FileChoice {
    QString path;       // full path
    QString fileTitle;  // file name without its folder
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // nullopt when the user cancels.
    virtual std::optional<FileChoice> openFile(const QString& title, const QString& filter,
                                               const QString& initialFolder) = 0;
    virtual std::optional<FileChoice> saveFile(const QString& title, const QString& filter,
                                               const QString& initialFolder) = 0;
};

}  // namespace platform
