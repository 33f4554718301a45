#pragma once

#include "contacts/ContactRecord.h"

namespace transfer {

// Receives each contact a layout has read; decides whether it is stored.
class ContactSink {
public:
    virtual ~ContactSink() = default;
    // The contact comes without its reminder flag, which the book sets.
    virtual void offer(const contacts::ContactRecord& contact) = 0;
};

}  // namespace transfer
