#pragma once

#include "FakeMessages.h"
#include "FakePrintDialog.h"
#include "FakeServices.h"
#include "RecordingDevice.h"
#include "printing/LabelWorkspace.h"
#include "printing/PagePrinter.h"

#include <QStringList>
#include <QTemporaryDir>
#include <map>

namespace testsupport {

// The main window as the print commands see it, without the window: its controls by name,
// in their start-up state. A control the main window does not have fails the running test
// (a misspelt name is a real fault). Option buttons keep their groups, and every write by
// the program is logged, so tests can check order.
class FakeLabelWorkspace : public printing::LabelWorkspace {
public:
    struct Control {
        QString text;
        int value = 0;
        bool visible = true;
        bool enabled = true;
    };

    explicit FakeLabelWorkspace(PrintDialogScript& script);

    QString text(const QString& control) const override { return find(control).text; }
    void setText(const QString& control, const QString& text) override;
    int value(const QString& control) const override { return find(control).value; }
    void setValue(const QString& control, int value) override;
    bool isVisible(const QString& control) const override { return find(control).visible; }
    void setVisible(const QString& control, bool visible) override;
    bool isEnabled(const QString& control) const override { return find(control).enabled; }
    void setEnabled(const QString& control, bool enabled) override;
    void setFocus(const QString& control) override;
    printing::LabelVars& vars() override { return m_vars; }
    platform::PrintDialog& printDialog() override { return m_dialog; }

    // Test set-up, not logged.
    Control& control(const QString& name) { return find(name); }
    void choose(const QString& names);         // options and check boxes, blank-separated
    void typeLines(const QStringList& lines);  // from line 1; lines not given are emptied
    void chooseRange(const QString& range);    // label stock, range accepted at the prompt

    QString focus() const { return m_focus; }
    // "text <name>=<text>", "value <name>=<n>", "visible <name>=0|1", "enabled <name>=0|1".
    const QStringList& changes() const { return m_changes; }

private:
    Control& find(const QString& name) const;

    mutable std::map<QString, Control> m_controls;
    printing::LabelVars m_vars;
    FakePrintDialog m_dialog;
    QString m_focus;
    QStringList m_changes;
};

// The recording printer that also keeps each line as the program asked for it, empty ones
// included (the recorded pages show texts only): "size:items", items as tab(n), spaces(n)
// and 'text', with the font in effect.
class LoggingPrinter : public printing::PagePrinter {
public:
    struct Line {
        QString layout;
        printing::PrintFont font;
    };
    using PagePrinter::PagePrinter;

    void printLine(const std::vector<platform::PrintItem>& items = {}) override;
    void endDoc() override;
    void killDoc() override;
    QStringList layouts(size_t document) const;

    std::vector<std::vector<Line>> documents;  // each ended document with a line in it
    int ends = 0;
    int kills = 0;

private:
    std::vector<Line> m_open;
};

// Every text of a document in print order as "row:column:text"; rows of later pages carry
// the page number ("p2 4:7:text").
QStringList textLayout(const printing::PrintedDocument& doc);

// The services a print command runs on, all fakes: scripted boxes and print dialogs, the
// recording printer, a temporary data folder for the margin file.
struct LabelPrintRig {
    enum class Command { Wide, Large, FileFolder, Eighty, Sixty };

    LabelPrintRig();
    void run(Command command);
    // Writes QVLPARAM.TXT: each record "name|left|top" with the fields as the file holds them.
    void writeMargins(const QStringList& records);
    QString marginPath() const;
    void expectPrinterProblem();
    void expectInstructions(Command returnAddressSheet);
    void expectAnotherPage(platform::Answer answer);
    const std::vector<printing::PrintedDocument>& docs() const { return device.documents(); }
    QStringList layout(size_t document) const { return textLayout(docs().at(document)); }
    QString leftOver() const;  // scripted boxes not shown, dialogs not used, surprises

    QTemporaryDir dir;
    FakeMessages messages;
    PrintDialogScript printScript;
    FakePrintDialogFactory printDialogs{printScript};
    RecordingDevice device;
    LoggingPrinter printer{device};
    FakeAppInfo appInfo;
    platform::Services services;
    FakeLabelWorkspace ws{printScript};
};

}  // namespace testsupport
