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
    int centreBoldShift;       // tab column of a centred line, Bold ticked, from the pad
    int centrePlainShift;      // the same, Bold not ticked
    double textSize;           // of every text line but a centred envelope's (0: the page's size)

    // Columns from the pad to a typed line's tab column.
    int tabShift(const LabelInput& in) const;
    // The font the typed lines print in on the label or envelope chosen.
    PrintFont lineFont(const LabelInput& in) const;
    // Where the typed lines of the label at `position` print with the left pad `leftPad`; a
    // centred line is centred on the label.
    LineFit::Place labelPlace(const LabelInput& in, double position, const QString& leftPad) const;
    // Where the envelope's lines print: envelope `size` of the list, on the #10 envelope paper
    // or Letter; a centred line is centred on a column some way right of the pad.
    LineFit::Place envelopePlace(const LabelInput& in, int size, bool envelopePaper) const;

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
    // Checks every label of the range with the pads it will print with: the first label's
    // from the printer current before the print dialog, the later ones' from `laterFamily`.
    bool refuseLongLine(bool laterFamily);
    // Where the typed lines of every label of the range, or of the envelope, print with the
    // screen's options `in`.
    std::vector<LineFit::Place> linePlaces(const LabelInput& in, bool laterFamily);
    bool familyPrinter() const;
    // Where the envelope's lines print on the printer current now.
    LineFit::Place envelopePlace(const LabelInput& in) const;
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
    bool m_firstFamily = false;  // the printer family's pads for the first label
};

// The Print buttons of the wide and large stocks.
LabelJobResult printWideLabels(const LabelJob& job);
LabelJobResult printLargeLabels(const LabelJob& job);

}  // namespace printing
