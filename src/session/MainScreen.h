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
    virtual QString labelLine(int line) const = 0;  // 1 to 5
    virtual void setLabelLine(int line, const QString& text) = 0;
    // A main-window label mode's size caption and its Print button alone; nothing for another
    // number.
    virtual void showLabelMode(int mode) = 0;
};

}  // namespace session
