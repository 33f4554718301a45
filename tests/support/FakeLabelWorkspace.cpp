#include "FakeLabelWorkspace.h"

#include "margins/MarginFile.h"
#include "margins/MarginParamRecord.h"
#include "printing/LabelCommands.h"

#include <QFile>
#include <QTest>
#include <utility>

namespace testsupport {

namespace {

const QStringList kLines{"txtQzLine1", "txtQzLine2", "txtQzline3", "txtQzLine4", "txtQzLine5"};
const QStringList kOtherControls{"txtQzLeftPad", "txtQzToppad", "txtFileNam", "txtFileTitle", "lblQzPosition",
                                 "lblLabelSize", "chkLblBold", "chkLblItalic", "chkBold", "chkLargeFont",
                                 "frQzMediaType", "optQzLabel", "optQzEnvelope", "optQzLeftjust", "optQzCenter",
                                 "optPortrait", "optLandscape"};
const QStringList kPrintButtons{"cmdQzStart", "cmdWideLabel", "cmdLargeLabel", "cmdFileFolderStart",
                                "cmdRetAddress", "cmdLrgRetAddress"};
const QStringList kOptionGroups[] = {
    {"optQzLabel", "optQzEnvelope"}, {"optQzLeftjust", "optQzCenter"}, {"optPortrait", "optLandscape"}};

}  // namespace

FakeLabelWorkspace::FakeLabelWorkspace(PrintDialogScript& script) : m_dialog(script)
{
    for (const QString& name : kLines + kOtherControls)
        m_controls[name] = {};
    for (const QString& name : kPrintButtons)
        m_controls[name] = {QStringLiteral("Print"), 0, false, true};
    // The home screen at start-up.
    m_controls["txtQzLeftPad"].text = QStringLiteral("2");
    m_controls["txtQzToppad"].text = QStringLiteral("3");
    m_controls["optQzLeftjust"].value = 1;
    m_controls["optPortrait"].value = 1;
    m_controls["cmdQzStart"].visible = true;
    m_controls["lblLabelSize"].text = QStringLiteral("Standard Label 1\" x 2 5/8\"");
}

FakeLabelWorkspace::Control& FakeLabelWorkspace::find(const QString& name) const
{
    const auto it = m_controls.find(name);
    if (it != m_controls.end())
        return it->second;
    const QByteArray message = "the main window has no control " + name.toUtf8();
    if (QTest::currentTestFunction())
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    qWarning("%s", message.constData());
    static Control nowhere;
    return nowhere = {};
}

void FakeLabelWorkspace::setText(const QString& control, const QString& text)
{
    m_changes << QStringLiteral("text %1=%2").arg(control, text);
    find(control).text = text;
}

void FakeLabelWorkspace::setValue(const QString& control, int value)
{
    m_changes << QStringLiteral("value %1=%2").arg(control).arg(value);
    if (value == 1)
        choose(control);
    else
        find(control).value = value;
}

void FakeLabelWorkspace::setVisible(const QString& control, bool visible)
{
    m_changes << QStringLiteral("visible %1=%2").arg(control).arg(visible ? 1 : 0);
    find(control).visible = visible;
}

void FakeLabelWorkspace::setEnabled(const QString& control, bool enabled)
{
    m_changes << QStringLiteral("enabled %1=%2").arg(control).arg(enabled ? 1 : 0);
    find(control).enabled = enabled;
}

void FakeLabelWorkspace::setFocus(const QString& control)
{
    find(control);
    m_focus = control;
}

void FakeLabelWorkspace::choose(const QString& names)
{
    for (const QString& name : names.split(' ', Qt::SkipEmptyParts)) {
        for (const QStringList& group : kOptionGroups) {
            if (group.contains(name)) {
                for (const QString& partner : group)
                    m_controls[partner].value = 0;
            }
        }
        find(name).value = 1;
    }
}

void FakeLabelWorkspace::typeLines(const QStringList& lines)
{
    for (int i = 0; i < kLines.size(); ++i)
        m_controls[kLines[i]].text = lines.value(i);
}

void FakeLabelWorkspace::chooseRange(const QString& range)
{
    choose(QStringLiteral("optQzLabel"));
    m_vars.strLabelRange = range;
    m_controls["lblQzPosition"].text = QStringLiteral("Label Position ") + range;
}

void LoggingPrinter::printLine(const std::vector<platform::PrintItem>& items)
{
    QStringList parts;
    for (const platform::PrintItem& item : items) {
        if (item.kind == platform::PrintItem::Kind::Tab)
            parts << QStringLiteral("tab(%1)").arg(item.count);
        else if (item.kind == platform::PrintItem::Kind::Spaces)
            parts << QStringLiteral("spaces(%1)").arg(item.count);
        else
            parts << QLatin1Char('\'') + item.text + QLatin1Char('\'');
    }
    const printing::PrintFont font{fontName(), fontSize(), fontBold(), fontItalic()};
    PagePrinter::printLine(items);
    m_open.push_back({QStringLiteral("%1:%2").arg(font.size).arg(parts.join(QLatin1Char(' '))), font});
}

void LoggingPrinter::endDoc()
{
    ++ends;
    std::vector<Line> lines = std::exchange(m_open, {});
    PagePrinter::endDoc();
    if (!lines.empty())
        documents.push_back(std::move(lines));
}

void LoggingPrinter::killDoc()
{
    ++kills;
    m_open.clear();
    PagePrinter::killDoc();
}

QStringList LoggingPrinter::layouts(size_t document) const
{
    QStringList out;
    for (const Line& line : documents.at(document))
        out << line.layout;
    return out;
}

QStringList textLayout(const printing::PrintedDocument& doc)
{
    QStringList out;
    for (size_t page = 0; page < doc.pages.size(); ++page) {
        const QString prefix = page == 0 ? QString() : QStringLiteral("p%1 ").arg(page + 1);
        for (const printing::PlacedText& t : doc.pages[page].items)
            out << prefix + QStringLiteral("%1:%2:%3").arg(t.row).arg(t.column).arg(t.text);
    }
    return out;
}

LabelPrintRig::LabelPrintRig()
{
    appInfo.data = dir.path();
    printScript.device = &device;
    services.messages = &messages;
    services.printDialogs = &printDialogs;
    services.printer = &printer;
    services.appInfo = &appInfo;
}

void LabelPrintRig::run(Command command)
{
    switch (command) {
    case Command::Wide: printing::cmdWideLabel_Click(services, ws); break;
    case Command::Large: printing::cmdLargeLabel_Click(services, ws); break;
    case Command::FileFolder: printing::cmdFileFolderStart_Click(services, ws); break;
    case Command::Eighty: printing::cmdRetAddress_Click(services, ws); break;
    case Command::Sixty: printing::cmdLrgRetAddress_Click(services, ws); break;
    }
}

QString LabelPrintRig::marginPath() const
{
    return margins::marginFilePath(dir.path());
}

void LabelPrintRig::writeMargins(const QStringList& records)
{
    QFile file(marginPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(marginPath()));
    for (const QString& fields : records) {
        margins::MarginParamRecord record;
        record.ParamName = fields.section('|', 0, 0);
        record.LeftAdj = fields.section('|', 1, 1);
        record.TopAdj = fields.section('|', 2, 2);
        file.write(record.toBytes());
    }
}

void LabelPrintRig::expectPrinterProblem()
{
    messages.expect("Printer error", "A printer problem exists.  Check printer.", platform::Buttons::Ok,
                    platform::Icon::Exclamation);
}

void LabelPrintRig::expectInstructions(Command returnAddressSheet)
{
    if (returnAddressSheet == Command::Eighty)
        messages.expect("Load printer with Avery 5167, 8167, or 18167 label stock",
                        "Prints 80 return address labels on Avery 5167 [1/2 inch x 1 3/4 inch] labels",
                        platform::Buttons::Ok, platform::Icon::Information);
    else
        messages.expect("Load printer with Avery 5195, 8195, or 18195 label stock",
                        "Prints 60 return address labels on Avery 5195 or 8195 [2/3 inch x 1 3/4 inch] labels",
                        platform::Buttons::Ok, platform::Icon::Information);
}

void LabelPrintRig::expectAnotherPage(platform::Answer answer)
{
    messages.expect("Completed", "Done!  Do you want to print another page of Return Address Labels?",
                    platform::Buttons::YesNoCancel, platform::Icon::None, answer);
}

QString LabelPrintRig::leftOver() const
{
    QStringList out = messages.pending() + messages.failures();
    if (!printScript.allUsed())
        out << QStringLiteral("print dialogs left unused");
    return out.join(QStringLiteral("; "));
}

}  // namespace testsupport
