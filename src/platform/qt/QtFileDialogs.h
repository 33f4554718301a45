#pragma once

#include "platform/FileDialogs.h"

namespace platform {

// The open and save dialogs. Filters come in the classic form, pairs of description and
// patterns separated by "|" ("Text (*.txt)|*.txt|All files (*.*)|*.*").
class QtFileDialogs : public FileDialogs {
public:
    std::optional<FileChoice> openFile(const QString& title, const QString& filter,
                                       const QString& initialFolder) override;
    std::optional<FileChoice> saveFile(const QString& title, const QString& filter,
                                       const QString& initialFolder) override;

    // "Text (*.txt)|*.txt" -> "Text (*.txt)"; the patterns of a pair become the list in
    // the parentheses Qt reads them from.
    static QString qtFilter(const QString& classicFilter);
};

}  // namespace platform
