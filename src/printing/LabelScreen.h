#pragma once

#include <QString>
#include <array>
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

// What the print commands read of the main window: the typed lines and the chosen options.
struct LabelInput {
    std::array<QString, 5> lines;
    QString leftPad;  // txtQzLeftPad
    QString topPad;   // txtQzToppad
    bool label = false;
    bool envelope = false;
    bool leftJustified = false;
    bool centred = false;
    bool portrait = false;
    bool labelBold = false;
    bool labelItalic = false;
    bool envelopeBold = false;  // chkBold
    bool largeFont = false;     // chkLargeFont
    bool positionChosen = false;  // lblQzPosition shows a position
};

// The main window as the print commands see it. Writing pads or options there runs the
// window's own handlers, as a change made by the user does.
class LabelScreen {
public:
    virtual ~LabelScreen() = default;

    // Read afresh at every use: a box shown by a command may let the user change the screen.
    virtual LabelInput labelInput() const = 0;
    virtual LabelVars& vars() = 0;
    virtual platform::PrintDialog& printDialog() = 0;  // dlgCommonDialog

    virtual void setPads(const QString& left, const QString& top) = 0;
    // Label printing unticks and hides the envelope's Bold box.
    virtual void clearEnvelopeBold() = 0;
    // A return-address sheet (mode 4 or 5): its size caption and its Print button alone.
    virtual void showReturnAddressSheet(int mode) = 0;
    // The lines of a return-address sheet are missing: the label options wait for them.
    virtual void waitForReturnAddressLines() = 0;
    virtual void focusLine(int line) = 0;  // 1 to 5
    // The standard label screen the return-address commands end with.
    virtual void restoreStandardScreen(int returnAddressMode) = 0;
};

}  // namespace printing
