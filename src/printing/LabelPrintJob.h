#pragma once

#include "margins/MarginFile.h"
#include "printing/LineFit.h"
#include "printing/PrintJob.h"
#include "printing/StockTables.h"

#include <QStringList>
#include <cstdint>

namespace printing {

// What sets one label stock apart from another in the print-by-position routine.
struct LabelStock {
    StockTables::Sheet sheet;
    double fontSize;           // set before the print dialog and for portrait printing
    double landscapeFontSize;  // landscape printing
    int linesPerLabel;         // label lines printed on each label (5, or line 1 alone)
    int centreHalfWidth;       // half-width of a centred label line, in columns
    int centreBoldShift;       // tab column of a centred line, Bold ticked, from the pad
    int centrePlainShift;      // the same, Bold not ticked
    double labelWidth;         // one label, in points
    double textSize;           // of every text line but a centred envelope's (0: the page's size)

    // A typed line starts at the pad's tab column plus `tabShift`, after `blanks` blanks.
    struct LineStart {
        int tabShift = 0;
        int blanks = 0;
    };
    LineStart lineStart(const LabelInput& in, qsizetype length) const;
    // The font the typed lines print in on the label or envelope chosen.
    PrintFont lineFont(const LabelInput& in) const;
    // Where a typed line is drawn and the room it has: the label's width less its insets, or an
    // envelope from the left pad to its far end less the inset.
    LineFit::Place linePlace(const LabelInput& in, const QString& line) const;

    static const LabelStock& wide();
    static const LabelStock& large();
    static const LabelStock& fileFolder();
};

// The Print command of the sheets printed by label position (and of one envelope in their
// modes): margin records, checks, range split, first pads, print dialog, then one document
// per copy that walks the range label by label, going back to the top of the page for each.
class LabelPrintJob : public PrintJob {
public:
    LabelPrintJob(const LabelJob& job, const LabelStock& stock);

protected:
    void body() override;

    // The check of the typed lines; true when it refused (its box has been shown).
    virtual bool refuseLines();
    // Right before a label's text line is printed.
    virtual void beforeTextLine(bool /*centred*/, bool /*envelope*/) {}
    // After the print dialog closed.
    virtual void afterPrintDialog() {}
    // After the envelope's lines, before the document ends.
    virtual void envelopePrinted() {}

    QStringList typedLines() const;

private:
    bool refuseOptions();
    bool refuseNoPosition();
    bool refuseLongLine();
    bool splitRange();
    void lookUpPosition();
    void printOne();
    void setUpFont(bool envelope, bool label);
    void computePlace(const margins::MarginAdjust& adjust);
    void printLabelLines(bool envelope);

    const LabelStock& m_stock;
    margins::MarginAdjust m_labelAdjust;
    margins::MarginAdjust m_envelopeAdjust;
    std::int16_t m_printCol = 0;
    std::int16_t m_printRows = 0;
};

// The Print buttons of the wide and large stocks.
LabelJobResult printWideLabels(const LabelJob& job);
LabelJobResult printLargeLabels(const LabelJob& job);

}  // namespace printing
