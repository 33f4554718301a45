#pragma once

#include <QString>

namespace printing {

// The printers whose label columns sit a little further right and which need the paper size
// set for them. Names are matched exactly and case-sensitively anywhere in the device name.
namespace PrinterFamily {

// "HP DeskJet 640C/642C/648C", "Officejet", "ENVY" or "Photosmart": the shifted label
// columns of the position tables.
bool shiftsColumns(const QString& deviceName);
// The first three of those: paper size forced (Letter for labels, #10 for envelopes) and
// envelope text moved up two rows. A Photosmart only shifts columns.
bool forcesPaperSize(const QString& deviceName);
}  // namespace PrinterFamily

}  // namespace printing
