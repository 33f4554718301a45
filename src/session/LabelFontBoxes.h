#pragma once

namespace session {

// The main window's label Bold and Italic boxes (chkLblBold, chkLblItalic) as the contact
// list uses them: its labels take their font from them, and its Close button unticks them.
class LabelFontBoxes {
public:
    virtual ~LabelFontBoxes() = default;

    virtual bool labelBold() const = 0;
    virtual bool labelItalic() const = 0;
    // Bold first, then Italic; a box's click step runs only when its value changes.
    virtual void untickLabelFont() = 0;
};

}  // namespace session
