#include "contacts/AddressLines.h"

#include "runtime/Text.h"

namespace contacts {

AddressLines::Parts AddressLines::Parts::of(const ContactRecord& r)
{
    return {r.FName, r.MiddleInit, r.LName, r.Company, r.FStreet, r.SStreet, r.City, r.State, r.Zip,
            r.IncComp == QStringLiteral("1")};
}

AddressLines::AddressLines(const Parts& p, Style style)
{
    const auto t = rt::trim;
    const QString blank = QStringLiteral(" ");
    const QString middle = t(p.middleInit);
    const QString company = t(p.company);
    const QString city = t(p.city) + QStringLiteral(", ") + t(p.state) + QStringLiteral("  ") + t(p.zip);
    if (style == Style::LabelLines)
        m_lines << rt::replace(t(p.fName) + blank + middle + blank + t(p.lName), QStringLiteral("  "), blank);
    else
        m_lines << t(p.fName) + blank + (middle.isEmpty() ? QString() : middle + blank) + t(p.lName);
    if (p.includeCompany && !company.isEmpty())
        m_lines << company;
    if (style == Style::LabelLines) {
        m_lines << t(p.fStreet);
        if (!t(p.sStreet).isEmpty())
            m_lines << t(p.sStreet);
        if (!t(p.city).isEmpty())
            m_lines << city;
    } else {
        m_lines << t(p.fStreet) + blank + t(p.sStreet) << city;
    }
}

}  // namespace contacts
