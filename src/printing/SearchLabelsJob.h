#pragma once

#include "platform/ErrorTraps.h"
#include "printing/PrintedDocument.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

namespace platform {
class Messages;
class PrintDialog;
class Printer;
}

namespace printing {

// The lines of one listed contact's label as they print, top to bottom:
// the name line, the company line (only for a label with company), the street line and the
// city line. Four lines mean a label with company.
using SearchLabelLines = std::function<QStringList(qint32 index)>;

// "Print labels" of the contact list: one label per listed contact, in list order, three
// across and ten down on 30-up sheets, placed by the "BULKLIST" margin record.
class SearchLabelsJob {
public:
    enum class Outcome { Printed, EmptyList, Cancelled, Failed };

    // dialog: the list window's own print dialog; dataFolder holds QVLPARAM.TXT.
    SearchLabelsJob(platform::Printer& printer, platform::PrintDialog& dialog, platform::Messages& messages,
                    const QString& dataFolder);

    // lines(i) is asked for list line i (from 0) when its label is printed, so a failure
    // to read its contact ends the job like a printer failure. bold and italic are the
    // main window's label boxes.
    Outcome run(qint32 count, const SearchLabelLines& lines, bool bold, bool italic);
    Outcome run(const std::vector<QStringList>& labels, bool bold, bool italic);

private:
    struct Label {
        QString name;
        QString company;  // empty: a label without company
        QString street;
        QString city;
    };
    using Row = std::vector<Label>;

    void body(qint32 count, const SearchLabelLines& lines, bool bold, bool italic);
    void printCopy(qint32 count, const SearchLabelLines& lines, bool bold, bool italic, int left, int top);
    void topMargin(int top);
    void printRow(const Row& row, bool gap);
    void printStacked(const std::vector<QStringList>& stacks);

    platform::Printer& m_printer;
    platform::PrintDialog& m_dialog;
    platform::Messages& m_messages;
    QString m_dataFolder;
    std::array<int, 3> m_columns{};
    PrintFont m_font;  // the labels'
    bool m_emptyList = false;
};

}  // namespace printing
