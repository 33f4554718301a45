#pragma once

#include <QString>

namespace platform {

// The caption of the main window's lblLabelSize for a label mode (lngLabelMode 1 to 6);
// empty for any other mode, whose caption callers leave as it is.
inline QString labelSizeCaption(int mode)
{
    switch (mode) {
    case 1: return QStringLiteral("Standard Label 1\" x 2 5/8\"");
    case 2: return QStringLiteral("Wide Label 1\" x 4\"");
    case 3: return QStringLiteral("Large Label 2\" x 4\"");
    case 4: return QStringLiteral("Return Address Label 2/3\" x 1 3/4\"");
    case 5: return QStringLiteral("Return Address Label 1/2\" x 1 3/4\"");
    case 6: return QStringLiteral("File Folder Label 2/3\" x 3 7/16\"");
    default: return QString();
    }
}

// The Print button of the main window that a label mode shows; empty for any other mode.
inline QString printButtonName(int mode)
{
    switch (mode) {
    case 1: return QStringLiteral("cmdQzStart");
    case 2: return QStringLiteral("cmdWideLabel");
    case 3: return QStringLiteral("cmdLargeLabel");
    case 4: return QStringLiteral("cmdLrgRetAddress");
    case 5: return QStringLiteral("cmdRetAddress");
    case 6: return QStringLiteral("cmdFileFolderStart");
    default: return QString();
    }
}

}  // namespace platform
