#pragma once

#include "contacts/ContactRecord.h"

#include <QString>

namespace transfer {

// The working values of one imported contact, one text per data field of the record.
struct ImportValues {
    QString FName, MiddleInit, LName, FStreet, SStreet, City, State, Zip, Country;
    QString HPhone, CPhone, WPhone, Email, Birthdate, Category, Notes, Company, IncComp;

    contacts::ContactRecord toRecord(bool remindersOn) const;
};

// Receives each contact a layout has read; decides whether it is stored.
class ContactSink {
public:
    virtual ~ContactSink() = default;
    // namesOnly: the duplicate test compares the names alone (vCard), else names and e-mail.
    virtual void offer(const ImportValues& values, bool namesOnly) = 0;
};

}  // namespace transfer
