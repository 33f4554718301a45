#pragma once

#include "transfer/ContactSink.h"

#include <QString>
#include <QStringList>

namespace transfer {

class CsvRecords;

enum class ImportLayout { None, Yahoo, PrimaryPhone, NameEmail, OwnCsv, EmailColumn, VCard };

// The layout a file's first line selects. The CSV tests look at the line's fields with
// their quoting removed, joined by commas, exactly and case-sensitively; "BEGIN:VCARD" is
// looked for in the line as read, in any letter case. The first test that holds wins.
ImportLayout recogniseLayout(const QString& firstLine);

// Runs a CSV layout over the data records after the header. Returns false when the file
// is refused as not compatible (nothing read, nothing offered).
bool importCsv(ImportLayout layout, const QStringList& header, CsvRecords& records, ContactSink& sink);

}  // namespace transfer
