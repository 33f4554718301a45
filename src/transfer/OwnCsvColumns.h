#pragma once

#include "contacts/ContactRecord.h"

#include <array>

namespace transfer {

// The columns of this program's CSV and text exports, in their order, with the header names
// the export writes and the own-CSV import looks for.
struct OwnCsvColumn {
    QString contacts::ContactRecord::*field;
    const char* name;
};

inline constexpr std::array<OwnCsvColumn, 18> OwnCsvColumns = {{
    {&contacts::ContactRecord::FName, "First Name"},
    {&contacts::ContactRecord::MiddleInit, "MI"},
    {&contacts::ContactRecord::LName, "Last Name"},
    {&contacts::ContactRecord::FStreet, "Street1"},
    {&contacts::ContactRecord::SStreet, "Street2"},
    {&contacts::ContactRecord::City, "City"},
    {&contacts::ContactRecord::State, "State"},
    {&contacts::ContactRecord::Zip, "Zip"},
    {&contacts::ContactRecord::Country, "Country"},
    {&contacts::ContactRecord::Company, "Company"},
    {&contacts::ContactRecord::IncComp, "Include Company in Address"},
    {&contacts::ContactRecord::HPhone, "Home Phone"},
    {&contacts::ContactRecord::CPhone, "Cell Phone"},
    {&contacts::ContactRecord::WPhone, "Work Phone"},
    {&contacts::ContactRecord::Email, "Email"},
    {&contacts::ContactRecord::Birthdate, "Birthdate"},
    {&contacts::ContactRecord::Category, "Category"},
    {&contacts::ContactRecord::Notes, "Notes"},
}};

}  // namespace transfer
