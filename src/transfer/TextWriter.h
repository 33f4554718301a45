#pragma once

#include "contacts/ContactRecord.h"

#include <QString>

namespace transfer {

// The "|"-separated text export: the CSV columns joined by "|", values as they stand.
class TextWriter {
public:
    static QString header();
    static void appendRecord(QString& out, const contacts::ContactRecord& record);
};

}  // namespace transfer
