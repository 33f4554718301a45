#pragma once

#include <QString>
#include <cstdint>

namespace platform {
class PrintDialog;
}

namespace printing {

// The main window's form-level label state.
struct LabelVars {
    QString strEnvSize;     // "1".."6"; numeric value 0 = none chosen
    QString strLabelRange;  // position or range as accepted, blanks and full stops removed
    QString strStartPos;
    QString strEndPos;
    std::int16_t intLabelCount = 0;
};

// What the print commands use of the main window: its controls by objectName, its
// form-level variables and its print dialog. Setting a value or text here behaves as the
// classic control does (a change runs the control's handler; the same value runs nothing).
class LabelWorkspace {
public:
    virtual ~LabelWorkspace() = default;

    // Text boxes: their text; labels, buttons and menu commands: their caption.
    virtual QString text(const QString& control) const = 0;
    virtual void setText(const QString& control, const QString& text) = 0;
    // Check boxes: 0 or 1; option buttons: 1 chosen, 0 not.
    virtual int value(const QString& control) const = 0;
    virtual void setValue(const QString& control, int value) = 0;
    virtual bool isVisible(const QString& control) const = 0;  // its own Visible setting
    virtual void setVisible(const QString& control, bool visible) = 0;
    virtual bool isEnabled(const QString& control) const = 0;
    virtual void setEnabled(const QString& control, bool enabled) = 0;
    virtual void setFocus(const QString& control) = 0;

    virtual LabelVars& vars() = 0;
    virtual platform::PrintDialog& printDialog() = 0;  // dlgCommonDialog
};

}  // namespace printing
