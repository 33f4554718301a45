#include "printing/DetailsPage.h"

#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "printing/PrintJob.h"
#include "runtime/Text.h"

#include <QLocale>

namespace printing {

using contacts::ContactField;
using contacts::ContactValues;
using platform::PrintItem;
using F = ContactField;

namespace {

const QString kCourier = QStringLiteral("Courier New");

void printSelection(platform::Printer& printer, const QString& text)
{
    printer.setFontName(kCourier);
    printer.setFontSize(12);
    printer.setFontItalic(false);
    printer.printLine();
    printer.printLine({PrintItem::str(text)});
    printer.newPage();
    printer.endDoc();
}

}  // namespace

platform::PrintOutcome DetailsPage::print(platform::Printer& printer, platform::PrintDialog& dialog,
                                          platform::Messages& messages, const DetailsPageInput& input)
{
    return platform::runPrintCommand(messages, printer, QStringLiteral("Printer error."), [&] {
        dialog.setCancelError(true);
        printer.setFontName(kCourier);
        printer.setFontSize(12);
        printer.setFontItalic(false);
        printer.setOrientation(platform::Printer::Portrait);
        dialog.showPrinter();
        if (dialog.flags() & platform::PrintDialog::Selection) {
            if (const std::optional<QString> text = input.selectedText())
                printSelection(printer, *text);
            return;
        }
        dialog.setFlags(platform::PrintDialog::PageNums);
        const std::int16_t copies = dialogCopies(dialog);
        for (std::int16_t copy = 1; copy <= copies; ++copy) {
            printPage(printer, input.values, input.today);
            printer.newPage();
        }
        printer.endDoc();
    });
}

void DetailsPage::printPage(platform::Printer& printer, const ContactValues& values, const QDate& today)
{
    ContactValues v;
    for (int i = 0; i < contacts::kContactFieldCount; ++i) {
        const auto field = static_cast<F>(i);
        v[field] = rt::blankControls(rt::trim(values[field]));
    }
    using Items = std::vector<PrintItem>;
    auto tab = PrintItem::tab;
    auto str = PrintItem::str;
    auto empty = [&printer](int lines) {
        for (int i = 0; i < lines; ++i)
            printer.printLine();
    };
    auto part = [](const QString& text, int start, int count) {
        return contacts::ContactRules::mid(text, start, count);
    };
    const QString rule(70, u'_');

    printer.setFontSize(12);
    empty(3);
    printer.setFontSize(16);
    printer.printLine(Items{tab(22), str(QStringLiteral("Quorvel"))});
    empty(1);
    printer.setFontItalic(false);
    printer.setFontSize(14);
    printer.printLine(Items{tab(27), str(QStringLiteral("Contact Details"))});
    empty(3);
    printer.setFontSize(10);
    printer.printLine(Items{tab(35), str(QStringLiteral("Date of report:")), tab(51),
                            str(QLocale().toString(today, QLocale::ShortFormat))});
    printer.setFontSize(12);
    empty(1);
    printer.printLine(Items{tab(8), str(rule)});
    empty(2);
    printer.printLine(
        Items{tab(8), str(v[F::FName] + QLatin1Char(' ') + v[F::MiddleInit] + QLatin1Char(' ') + v[F::LName])});
    empty(1);
    printer.printLine(Items{tab(8), str(v[F::FStreet] + QStringLiteral("  ") + v[F::SStreet])});
    empty(1);
    printer.printLine(
        Items{tab(8), str(v[F::City] + QStringLiteral(", ") + v[F::State] + QStringLiteral("  ") + v[F::Zip])});
    empty(2);
    printer.printLine(Items{tab(8), str(QStringLiteral("Company Name:")), tab(24), str(v[F::Company])});
    empty(2);
    printer.printLine(Items{tab(8), str(QStringLiteral("Country:")), tab(18), str(v[F::Country]), tab(40),
                            str(QStringLiteral("Birthdate:")), tab(52), str(v[F::Birthdate])});
    empty(2);
    printer.printLine(Items{tab(8), str(QStringLiteral("Home Phone:")), tab(21), str(v[F::HPhone]), tab(37),
                            str(QStringLiteral("Cell:")), tab(44), str(v[F::CPhone]), tab(60),
                            str(QStringLiteral("Work:")), tab(67), str(v[F::WPhone])});
    empty(2);
    printer.printLine(Items{tab(8), str(QStringLiteral("Email Address:")), tab(24), str(v[F::Email])});
    empty(2);
    printer.printLine(Items{tab(8), str(QStringLiteral("Category:")), tab(19), str(part(v[F::Category], 0, 61))});
    printer.printLine(Items{tab(19), str(part(v[F::Category], 61, 19))});
    empty(2);
    printer.printLine(Items{tab(8), str(QStringLiteral("Notes:")), tab(16), str(part(v[F::Notes], 0, 61))});
    printer.printLine(Items{tab(15), str(part(v[F::Notes], 61, 53))});
    printer.printLine(Items{tab(15), str(part(v[F::Notes], 114, 46))});
    empty(2);
    printer.printLine(Items{tab(8), str(rule)});
}

}  // namespace printing
