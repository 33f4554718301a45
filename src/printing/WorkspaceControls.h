#pragma once

#include <QString>

// The main window's controls that the print commands read and write, by objectName.
namespace printing::ctl {

inline const QString txtQzLine1 = QStringLiteral("txtQzLine1");
inline const QString txtQzLine2 = QStringLiteral("txtQzLine2");
inline const QString txtQzline3 = QStringLiteral("txtQzline3");  // lower-case l, as the form has it
inline const QString txtQzLine4 = QStringLiteral("txtQzLine4");
inline const QString txtQzLine5 = QStringLiteral("txtQzLine5");
inline const QString txtQzLeftPad = QStringLiteral("txtQzLeftPad");
inline const QString txtQzToppad = QStringLiteral("txtQzToppad");
inline const QString lblQzPosition = QStringLiteral("lblQzPosition");
inline const QString lblLabelSize = QStringLiteral("lblLabelSize");
inline const QString optQzLabel = QStringLiteral("optQzLabel");
inline const QString optQzEnvelope = QStringLiteral("optQzEnvelope");
inline const QString optQzLeftjust = QStringLiteral("optQzLeftjust");
inline const QString optQzCenter = QStringLiteral("optQzCenter");
inline const QString optPortrait = QStringLiteral("optPortrait");
inline const QString chkLblBold = QStringLiteral("chkLblBold");
inline const QString chkLblItalic = QStringLiteral("chkLblItalic");
inline const QString chkBold = QStringLiteral("chkBold");
inline const QString chkLargeFont = QStringLiteral("chkLargeFont");
inline const QString cmdQzStart = QStringLiteral("cmdQzStart");
inline const QString cmdWideLabel = QStringLiteral("cmdWideLabel");
inline const QString cmdFileFolderStart = QStringLiteral("cmdFileFolderStart");
inline const QString cmdRetAddress = QStringLiteral("cmdRetAddress");
inline const QString cmdLrgRetAddress = QStringLiteral("cmdLrgRetAddress");

}  // namespace printing::ctl
