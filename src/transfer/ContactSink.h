#pragma once

#include "contacts/ContactRecord.h"

namespace transfer {

// Receives each contact a layout has read; decides whether it is stored.
class ContactSink {
public:
    virtual ~ContactSink() = default;
    // namesOnly: the duplicate test compares the names alone (vCard), else names and e-mail.
    // The contact comes without its reminder flag, which the book sets.
    virtual void offer(const contacts::ContactRecord& contact, bool namesOnly) = 0;
};

}  // namespace transfer
