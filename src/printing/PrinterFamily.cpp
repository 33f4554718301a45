#include "printing/PrinterFamily.h"

namespace printing {

namespace {

const QLatin1String kDeskJet("HP DeskJet 640C/642C/648C");
const QLatin1String kOfficejet("Officejet");
const QLatin1String kEnvy("ENVY");
const QLatin1String kPhotosmart("Photosmart");

bool holds(const QString& deviceName, QLatin1String name)
{
    return deviceName.contains(name, Qt::CaseSensitive);
}

}  // namespace

bool PrinterFamily::shiftsColumns(const QString& deviceName)
{
    return forcesPaperSize(deviceName) || holds(deviceName, kPhotosmart);
}

bool PrinterFamily::forcesPaperSize(const QString& deviceName)
{
    return holds(deviceName, kDeskJet) || holds(deviceName, kOfficejet) || holds(deviceName, kEnvy);
}

}  // namespace printing
