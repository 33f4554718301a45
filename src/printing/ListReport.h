#pragma once

#include "platform/ErrorTraps.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace platform {
class Messages;
class PrintDialog;
class Printer;
}

namespace printing {

// What File > Print of the contact list prints from: the list and the window's state.
struct ListReportInput {
    // The list lines in list order, TAB between the columns: line(i), from 0, is asked for
    // when it is printed, so a long list is never copied whole.
    qint32 lineCount = 0;
    std::function<QString(qint32)> line;
    bool emailColumns = false;  // "Show email address" chosen
    QString fileTitle;          // of the open contact file
    QString searchText;         // as typed
    qint32 found = 0;           // contacts the last search listed
    // The Selection choice of the dialog: the selected text of the heading strip when it
    // has the focus, else the selected list lines (indexes ascending).
    bool focusInHeading = false;
    QString headingSelection;
    std::vector<int> selectedLines;

    // Input whose lines are these texts.
    static ListReportInput ofLines(const QStringList& lines);
};

// The landscape list report of the contact list, or the selection alone.
class ListReport {
public:
    ListReport(platform::Printer& printer, platform::PrintDialog& dialog, platform::Messages& messages);

    // The whole command under its print-job error trap.
    platform::PrintOutcome print(const ListReportInput& input);

    // Pages offered in the dialog: lines / 54 + 1, halves to even. Only a guess for the
    // dialog; the whole list is always printed.
    static int pageCount(qsizetype lines);
    // One copy of the report, its document left open.
    void printReport(const ListReportInput& input);

private:
    void body(const ListReportInput& input);
    void printSelection(const ListReportInput& input);

    platform::Printer& m_printer;
    platform::PrintDialog& m_dialog;
    platform::Messages& m_messages;
};

}  // namespace printing
