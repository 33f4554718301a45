#pragma once

#include <QString>
#include <vector>

namespace platform {

// One item of a printed line.
struct PrintItem {
    // Column: to that column of the current row, also back over what the line has printed.
    enum class Kind { Tab, Spaces, Text, Number, Column };
    Kind kind = Kind::Text;
    int count = 0;       // Tab, Column: column (from 1); Spaces: how many
    QString text;        // Text
    double number = 0;   // Number: printed as blank, digits, blank
    double size = 0;     // Text: drawn at this size in points; 0: the font's. The font stays as it is.

    static PrintItem tab(int column) { return {Kind::Tab, column, {}, 0}; }
    static PrintItem column(int column) { return {Kind::Column, column, {}, 0}; }
    static PrintItem spaces(int n) { return {Kind::Spaces, n, {}, 0}; }
    static PrintItem str(const QString& t) { return {Kind::Text, 0, t, 0}; }
    static PrintItem sized(const QString& t, double size) { return {Kind::Text, 0, t, 0, size}; }
    static PrintItem num(double v) { return {Kind::Number, 0, {}, v}; }
};

// The printer: a page addressed in text rows and character columns of the current font.
// One object lives for the whole run; device, font, orientation and paper size persist
// across documents. Failures raise rt::RuntimeError (482 and the like).
class Printer {
public:
    virtual ~Printer() = default;

    virtual QString deviceName() const = 0;

    virtual QString fontName() const = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual double fontSize() const = 0;
    virtual void setFontSize(double points) = 0;
    virtual bool fontBold() const = 0;
    virtual void setFontBold(bool on) = 0;
    virtual bool fontItalic() const = 0;
    virtual void setFontItalic(bool on) = 0;

    enum Orientation { Portrait = 1, Landscape = 2 };
    virtual int orientation() const = 0;
    virtual void setOrientation(int orientation) = 0;

    enum PaperSize { Letter = 1, Envelope10 = 20 };
    virtual int paperSize() const = 0;
    virtual void setPaperSize(int paperSize) = 0;

    // No items prints an empty line. Tab below 1 goes to 1; a tab to a column already
    // passed goes to that column on the next row (a Column item stays on the row); negative
    // spaces print none. A text drawn at a size of its own keeps the baseline of the row.
    virtual void printLine(const std::vector<PrintItem>& items = {}) = 0;
    virtual void moveToTopLeft() = 0;   // row 1 of the current page; starts no page
    virtual void newPage() = 0;         // held back until something follows it
    virtual void endDoc() = 0;          // nothing printed since the last end: no document
    virtual void killDoc() = 0;         // harmless when no document is open

    // One print command: its documents go out as one job (one PDF file), and a paper size
    // it sets holds until its end. The end raises rt::RuntimeError when the output fails.
    virtual void beginJob() {}
    virtual void endJob() {}
    // Within a print command, between its documents: what it has printed goes out now as a
    // job of its own (in the print queue, or its PDF file written), and what it prints next
    // starts a new one. For a command that waits on the user after printing. Raises
    // rt::RuntimeError when the output fails.
    virtual void sendJob() {}
};

}  // namespace platform
