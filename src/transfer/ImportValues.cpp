#include "transfer/ImportValues.h"

namespace transfer {

contacts::ContactRecord ImportValues::toRecord(bool remindersOn) const
{
    contacts::ContactRecord r;
    r.FName = FName;
    r.MiddleInit = MiddleInit;
    r.LName = LName;
    r.FStreet = FStreet;
    r.SStreet = SStreet;
    r.City = City;
    r.State = State;
    r.Zip = Zip;
    r.Country = Country;
    r.HPhone = HPhone;
    r.CPhone = CPhone;
    r.WPhone = WPhone;
    r.Email = Email;
    r.Birthdate = Birthdate;
    r.Category = Category;
    r.Notes = Notes;
    r.Company = Company;
    r.IncComp = IncComp;
    r.BdayReminder = remindersOn ? QStringLiteral("1") : QStringLiteral("0");
    return r;
}

}  // namespace transfer
