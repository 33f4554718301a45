#pragma once

#include "transfer/ImportValues.h"

#include <QByteArray>
#include <QSet>
#include <QString>

namespace transfer {

// The contacts on file when an import begins, looked up by name (and e-mail) instead of
// reading every record for every imported contact. Records the import itself adds are
// never in it.
class DuplicateIndex {
public:
    // The first recordCount records of a contact file's bytes (a short last record reads
    // as padded with blanks).
    DuplicateIndex(const QByteArray& fileBytes, qint64 recordCount);

    // Names and e-mail: the trimmed first name, last name and e-mail equal those of a
    // record, and none of the three working values is empty. namesOnly leaves out the
    // e-mail. Values are compared as the book would hold them (Windows-1252).
    bool holds(const ImportValues& values, bool namesOnly) const;

private:
    QSet<QString> m_names;
    QSet<QString> m_namesAndEmail;
};

}  // namespace transfer
