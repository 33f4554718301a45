#pragma once

#include "contacts/ContactFile.h"

#include <cstdint>

namespace contacts {

// Program-wide state shared by the windows.
struct AppState {
    std::int32_t lngLabelMode = 1;      // 1 standard .. 6 file folder
    std::int32_t lngCurrentRecord = 0;  // contact shown in the Contact Information window
    ContactFile contactFile;            // the open contact file (file number 1)
};

}  // namespace contacts
