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

    const QString& name() const { return m_name; }
    // Whether the company line is there: a company that is not blank and the flag set.
    bool withCompany() const { return !m_company.isEmpty(); }
    const QString& company() const { return m_company; }
    // The lines below the name, the company line not included.
    const QStringList& below() const { return m_below; }
    // Every present line top down: name, company, street lines, city.
    QStringList lines() const;

private:
    QString m_name;
    QString m_company;
    QStringList m_below;
};

}  // namespace contacts
