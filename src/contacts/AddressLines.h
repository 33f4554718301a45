#pragma once

#include "contacts/ContactRecord.h"

#include <QString>
#include <QStringList>

namespace contacts {

// The lines a contact's address takes on a label.
class AddressLines {
public:
    enum class Style {
        // Print Label: blank pairs of the name line reduced, the second street line and the
        // city line only when filled.
        LabelLines,
        // The search-result sheet: the name line as put together, the second street after
        // the street on one line, the city line always.
        SearchResult,
    };

    // The parts read from a contact; each is trimmed here. includeCompany is the
    // include-company flag (IncComp "1").
    struct Parts {
        QString fName, middleInit, lName, company, fStreet, sStreet, city, state, zip;
        bool includeCompany = false;
        static Parts of(const ContactRecord& record);
    };

    AddressLines(const Parts& parts, Style style);

    // Every present line top down: name, the company (not blank and its flag set), street
    // lines, city.
    const QStringList& lines() const { return m_lines; }

private:
    QStringList m_lines;
};

}  // namespace contacts
