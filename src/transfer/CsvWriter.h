#pragma once

#include "contacts/ContactRecord.h"

#include <QString>
#include <array>

namespace transfer {

// The 18 columns of the CSV and text exports: header names and the values of one record.
using ExportColumns = std::array<QString, 18>;
ExportColumns exportColumns(const contacts::ContactRecord& record);

// The comma-separated export. A value holding a comma, a double quote or a line break is
// quoted with its quotes doubled, so that other programs read 18 columns back.
class CsvWriter {
public:
    static QString header();
    static void appendRecord(QString& out, const contacts::ContactRecord& record);
};

}  // namespace transfer
