#pragma once

#include <QString>

namespace session {

// What other windows do to the main window's screen.
class MainScreen {
public:
    virtual ~MainScreen() = default;

    // Shown with the focus in label line 1, the envelope's Bold box unticked and hidden: the
    // label lines are about to be filled in.
    virtual void showForLabelLines() = 0;
    // Shown with the focus in label line 1.
    virtual void showAtLabelLines() = 0;
    virtual void setLabelLine(int line, const QString& text) = 0;
    // A main-window label mode's size caption and its Print button alone; nothing for another
    // number.
    virtual void showLabelMode(int mode) = 0;
    // The label Bold and Italic boxes (chkLblBold, chkLblItalic): the contact list's labels
    // take their font from them, and its Close button unticks them, Bold first, each box's
    // click step running when its value changes.
    virtual bool labelBold() const = 0;
    virtual bool labelItalic() const = 0;
    virtual void untickLabelFont() = 0;
};

}  // namespace session
