#pragma once

namespace contacts {

struct ContactRecord;

// The Contact Information window as the other windows reach it (loaded on first reference).
class ContactScreen {
public:
    virtual ~ContactScreen() = default;
    virtual void focusFindList() = 0;
    // A contact opened from the contact list (lngCurrentRecord already names it): the window
    // shown with every box from the record and a refilled find list.
    virtual void showListedContact(const ContactRecord& record) = 0;
};

}  // namespace contacts
