#pragma once

#include "FakeMessages.h"
#include "FakePrintDialog.h"
#include "FakeServices.h"
#include "RecordingDevice.h"
#include "printing/LabelWorkspace.h"
#include "printing/PagePrinter.h"

#include <QStringList>
#include <QTemporaryDir>
#include <array>
#include <map>

namespace testsupport {

// The main window as the print commands see it, without the window: its controls by name in
// a map, in their start-up state. Reading or writing a control the main window does not have
// fails the running test (a misspelt name is a real fault). Option buttons keep their groups
// (choosing one clears its partners). Every write is logged, so tests can check order.
class FakeLabelWorkspace : public printing::LabelWorkspace {
public:
    struct Control {
        QString text;
        int value = 0;
        bool visible = true;
        bool enabled = true;
    };

    explicit FakeLabelWorkspace(PrintDialogScript& script);

    QString text(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    int value(const QString& control) const override;
    void setValue(const QString& control, int value) override;
    bool isVisible(const QString& control) const override;
    void setVisible(const QString& control, bool visible) override;
    bool isEnabled(const QString& control) const override;
    void setEnabled(const QString& control, bool enabled) override;
    void setFocus(const QString& control) override;

    printing::LabelVars& vars() override { return m_vars; }
    platform::PrintDialog& printDialog() override { return m_dialog; }

    // Test set-up, not logged.
    Control& control(const QString& name);
    // The five label lines, from line 1; lines not given are emptied.
    void typeLines(const QStringList& lines);
    // Label stock with a range accepted at the position prompt (its caption shown).
    void chooseRange(const QString& range);

    QString focus() const { return m_focus; }
    const QStringList& focusLog() const { return m_focusLog; }
    // "text <name>=<text>", "value <name>=<n>", "visible <name>=0|1", "enabled <name>=0|1".
    const QStringList& changes() const { return m_changes; }
    void clearLog();
    // Names the commands asked for that the main window does not have.
    const QStringList& unknownControls() const { return m_unknown; }

private:
    const Control* find(const QString& name) const;
    Control* findForWrite(const QString& name);
    void clearPartners(const QString& name);

    std::map<QString, Control> m_controls;
    printing::LabelVars m_vars;
    FakePrintDialog m_dialog;
    QString m_focus;
    QStringList m_focusLog;
    QStringList m_changes;
    mutable QStringList m_unknown;
};

// One printed line as the program asked for it, with the font in effect.
struct LoggedLine {
    std::vector<platform::PrintItem> items;
    printing::PrintFont font;
    bool isEmpty() const { return items.empty(); }
};

// Passes every call on to the real printer and keeps a log of them: the calls in order
// ("font Verdana", "size 9", "bold 1", "italic 0", "orientation 2", "paper 20", "line",
// "topleft", "enddoc", "killdoc") and the lines of every ended document, empty ones
// included, which the pages of the recording device do not show.
class PrinterCallLog : public platform::Printer {
public:
    explicit PrinterCallLog(platform::Printer& inner) : m_inner(inner) {}

    QString deviceName() const override { return m_inner.deviceName(); }
    QString fontName() const override { return m_inner.fontName(); }
    void setFontName(const QString& name) override;
    double fontSize() const override { return m_inner.fontSize(); }
    void setFontSize(double points) override;
    bool fontBold() const override { return m_inner.fontBold(); }
    void setFontBold(bool on) override;
    bool fontItalic() const override { return m_inner.fontItalic(); }
    void setFontItalic(bool on) override;
    int orientation() const override { return m_inner.orientation(); }
    void setOrientation(int orientation) override;
    int paperSize() const override { return m_inner.paperSize(); }
    void setPaperSize(int paperSize) override;
    void printLine(const std::vector<platform::PrintItem>& items = {}) override;
    void moveToTopLeft() override;
    void newPage() override;
    void endDoc() override;
    void killDoc() override;

    const QStringList& calls() const { return m_calls; }
    // The lines of each document ended with something printed in it.
    const std::vector<std::vector<LoggedLine>>& documents() const { return m_documents; }
    int killCount() const { return m_kills; }
    void clear();

private:
    platform::Printer& m_inner;
    QStringList m_calls;
    std::vector<LoggedLine> m_open;
    std::vector<std::vector<LoggedLine>> m_documents;
    int m_kills = 0;
};

// Every text of a document in print order as "row:column:text"; rows of later pages carry
// the page number ("p2 4:7:text").
QStringList textLayout(const printing::PrintedDocument& doc);
// Each logged line as "size:items", items as tab(n), spaces(n) and 'text'.
QStringList lineLayout(const std::vector<LoggedLine>& lines);

// The services a print command runs on, all fakes: scripted boxes and print dialogs, the
// recording printer, a temporary data folder for the margin file.
struct LabelPrintRig {
    LabelPrintRig();

    // Writes QVLPARAM.TXT: each record is name, left and top as the file holds them.
    void writeMargins(const std::vector<std::array<QString, 3>>& records);
    QString marginPath() const;

    QTemporaryDir dir;
    FakeMessages messages;
    PrintDialogScript printScript;
    FakePrintDialogFactory printDialogs{printScript};
    RecordingDevice device;
    printing::PagePrinter printer{device};
    PrinterCallLog log{printer};  // services.printer
    FakeAppInfo appInfo;
    platform::Services services;
    FakeLabelWorkspace ws{printScript};
};

}  // namespace testsupport
