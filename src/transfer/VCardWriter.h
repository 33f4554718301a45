#pragma once

#include "contacts/ContactRecord.h"

#include <QString>

namespace transfer {

// One card of 14 lines per contact. The versions write the same lines; they differ in the
// VERSION line and in how a value keeps its separators (values reach it without control
// characters): 3.0 and 4.0 escape backslash, comma and semicolon in every value and write
// the categories as a comma list; 2.1 escapes ";" in every value but the categories (a
// ";" list there), since its readers split any value at a bare ";".
class VCardWriter {
public:
    enum class Version { V21, V30, V40 };

    explicit VCardWriter(Version version);

    void appendCard(QString& out, const contacts::ContactRecord& record) const;

private:
    void appendValue(QString& out, const QString& value, bool keepSemicolons = false) const;
    void appendCategories(QString& out, const QString& stored) const;

    Version m_version;
};

}  // namespace transfer
