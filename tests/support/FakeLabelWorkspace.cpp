#include "FakeLabelWorkspace.h"

#include "margins/MarginFile.h"
#include "margins/MarginParamRecord.h"

#include <QFile>
#include <QTest>

namespace testsupport {

namespace {

const char* const kTextBoxes[] = {"txtQzLine1", "txtQzLine2", "txtQzline3", "txtQzLine4", "txtQzLine5",
                                  "txtQzLeftPad", "txtQzToppad", "txtFileNam", "txtFileTitle"};
const char* const kLabels[] = {"lblQzPosition", "lblLabelSize"};
const char* const kOptions[] = {"optQzLabel", "optQzEnvelope", "optQzLeftjust", "optQzCenter", "optPortrait",
                                "optLandscape"};
const char* const kCheckBoxes[] = {"chkLblBold", "chkLblItalic", "chkBold", "chkLargeFont"};
const char* const kButtons[] = {"cmdQzStart", "cmdWideLabel", "cmdLargeLabel", "cmdFileFolderStart",
                                "cmdRetAddress", "cmdLrgRetAddress"};
const char* const kFrames[] = {"frQzMediaType"};

const QStringList kOptionGroups[] = {
    {"optQzLabel", "optQzEnvelope"},
    {"optQzLeftjust", "optQzCenter"},
    {"optPortrait", "optLandscape"},
};

}  // namespace

FakeLabelWorkspace::FakeLabelWorkspace(PrintDialogScript& script) : m_dialog(script)
{
    for (const char* name : kTextBoxes)
        m_controls[QString::fromLatin1(name)] = {};
    for (const char* name : kLabels)
        m_controls[QString::fromLatin1(name)] = {};
    for (const char* name : kOptions)
        m_controls[QString::fromLatin1(name)] = {};
    for (const char* name : kCheckBoxes)
        m_controls[QString::fromLatin1(name)] = {};
    for (const char* name : kButtons)
        m_controls[QString::fromLatin1(name)] = {QStringLiteral("Print"), 0, false, true};
    for (const char* name : kFrames)
        m_controls[QString::fromLatin1(name)] = {};

    // The home screen at start-up.
    m_controls["txtQzLeftPad"].text = QStringLiteral("2");
    m_controls["txtQzToppad"].text = QStringLiteral("3");
    m_controls["optQzLeftjust"].value = 1;
    m_controls["optPortrait"].value = 1;
    m_controls["cmdQzStart"].visible = true;
    m_controls["lblLabelSize"].text = QStringLiteral("Standard Label 1\" x 2 5/8\"");
}

const FakeLabelWorkspace::Control* FakeLabelWorkspace::find(const QString& name) const
{
    const auto it = m_controls.find(name);
    if (it != m_controls.end())
        return &it->second;
    m_unknown << name;
    const QByteArray message = "FakeLabelWorkspace: the main window has no control " + name.toUtf8();
    qWarning("%s", message.constData());
    if (QTest::currentTestFunction())
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    return nullptr;
}

FakeLabelWorkspace::Control* FakeLabelWorkspace::findForWrite(const QString& name)
{
    return const_cast<Control*>(find(name));
}

FakeLabelWorkspace::Control& FakeLabelWorkspace::control(const QString& name)
{
    Control* c = findForWrite(name);
    if (!c)
        qFatal("FakeLabelWorkspace: no control %s", qPrintable(name));
    return *c;
}

QString FakeLabelWorkspace::text(const QString& control) const
{
    const Control* c = find(control);
    return c ? c->text : QString();
}

void FakeLabelWorkspace::setText(const QString& control, const QString& text)
{
    m_changes << QStringLiteral("text %1=%2").arg(control, text);
    if (Control* c = findForWrite(control))
        c->text = text;
}

int FakeLabelWorkspace::value(const QString& control) const
{
    const Control* c = find(control);
    return c ? c->value : 0;
}

void FakeLabelWorkspace::clearPartners(const QString& name)
{
    for (const QStringList& group : kOptionGroups) {
        if (!group.contains(name))
            continue;
        for (const QString& partner : group) {
            if (partner != name)
                m_controls[partner].value = 0;
        }
    }
}

void FakeLabelWorkspace::setValue(const QString& control, int value)
{
    m_changes << QStringLiteral("value %1=%2").arg(control).arg(value);
    if (Control* c = findForWrite(control)) {
        c->value = value;
        if (value == 1)
            clearPartners(control);
    }
}

bool FakeLabelWorkspace::isVisible(const QString& control) const
{
    const Control* c = find(control);
    return c && c->visible;
}

void FakeLabelWorkspace::setVisible(const QString& control, bool visible)
{
    m_changes << QStringLiteral("visible %1=%2").arg(control).arg(visible ? 1 : 0);
    if (Control* c = findForWrite(control))
        c->visible = visible;
}

bool FakeLabelWorkspace::isEnabled(const QString& control) const
{
    const Control* c = find(control);
    return c && c->enabled;
}

void FakeLabelWorkspace::setEnabled(const QString& control, bool enabled)
{
    m_changes << QStringLiteral("enabled %1=%2").arg(control).arg(enabled ? 1 : 0);
    if (Control* c = findForWrite(control))
        c->enabled = enabled;
}

void FakeLabelWorkspace::setFocus(const QString& control)
{
    if (find(control)) {
        m_focus = control;
        m_focusLog << control;
    }
}

void FakeLabelWorkspace::typeLines(const QStringList& lines)
{
    static const char* const names[] = {"txtQzLine1", "txtQzLine2", "txtQzline3", "txtQzLine4", "txtQzLine5"};
    for (int i = 0; i < 5; ++i)
        m_controls[QString::fromLatin1(names[i])].text = i < lines.size() ? lines[i] : QString();
}

void FakeLabelWorkspace::chooseRange(const QString& range)
{
    m_controls["optQzLabel"].value = 1;
    m_controls["optQzEnvelope"].value = 0;
    m_vars.strLabelRange = range;
    m_controls["lblQzPosition"].text = QStringLiteral("Label Position ") + range;
}

void FakeLabelWorkspace::clearLog()
{
    m_changes.clear();
    m_focusLog.clear();
}

QStringList textLayout(const printing::PrintedDocument& doc)
{
    QStringList out;
    for (size_t page = 0; page < doc.pages.size(); ++page) {
        for (const printing::PlacedText& t : doc.pages[page].items) {
            const QString prefix = page == 0 ? QString() : QStringLiteral("p%1 ").arg(page + 1);
            out << prefix + QStringLiteral("%1:%2:%3").arg(t.row).arg(t.column).arg(t.text);
        }
    }
    return out;
}

QStringList lineLayout(const std::vector<LoggedLine>& lines)
{
    using Kind = platform::PrintItem::Kind;
    QStringList out;
    for (const LoggedLine& line : lines) {
        QStringList parts;
        for (const platform::PrintItem& item : line.items) {
            switch (item.kind) {
            case Kind::Tab: parts << QStringLiteral("tab(%1)").arg(item.count); break;
            case Kind::Spaces: parts << QStringLiteral("spaces(%1)").arg(item.count); break;
            case Kind::Text: parts << QLatin1Char('\'') + item.text + QLatin1Char('\''); break;
            case Kind::Number: parts << QString::number(item.number); break;
            }
        }
        out << QStringLiteral("%1:%2").arg(line.font.size).arg(parts.join(QLatin1Char(' ')));
    }
    return out;
}

LabelPrintRig::LabelPrintRig()
{
    appInfo.data = dir.path();
    printScript.device = &device;
    services.messages = &messages;
    services.printDialogs = &printDialogs;
    services.printer = &log;
    services.appInfo = &appInfo;
}

QString LabelPrintRig::marginPath() const
{
    return margins::marginFilePath(dir.path());
}

void LabelPrintRig::writeMargins(const std::vector<std::array<QString, 3>>& records)
{
    QFile file(marginPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(marginPath()));
    for (const auto& r : records) {
        margins::MarginParamRecord record;
        record.ParamName = r[0];
        record.LeftAdj = r[1];
        record.TopAdj = r[2];
        file.write(record.toBytes());
    }
}

void PrinterCallLog::setFontName(const QString& name)
{
    m_calls << QStringLiteral("font ") + name;
    m_inner.setFontName(name);
}

void PrinterCallLog::setFontSize(double points)
{
    m_calls << QStringLiteral("size %1").arg(points);
    m_inner.setFontSize(points);
}

void PrinterCallLog::setFontBold(bool on)
{
    m_calls << QStringLiteral("bold %1").arg(on ? 1 : 0);
    m_inner.setFontBold(on);
}

void PrinterCallLog::setFontItalic(bool on)
{
    m_calls << QStringLiteral("italic %1").arg(on ? 1 : 0);
    m_inner.setFontItalic(on);
}

void PrinterCallLog::setOrientation(int orientation)
{
    m_calls << QStringLiteral("orientation %1").arg(orientation);
    m_inner.setOrientation(orientation);
}

void PrinterCallLog::setPaperSize(int paperSize)
{
    m_calls << QStringLiteral("paper %1").arg(paperSize);
    m_inner.setPaperSize(paperSize);
}

void PrinterCallLog::printLine(const std::vector<platform::PrintItem>& items)
{
    m_calls << QStringLiteral("line");
    const printing::PrintFont font{m_inner.fontName(), m_inner.fontSize(), m_inner.fontBold(), m_inner.fontItalic()};
    m_inner.printLine(items);
    m_open.push_back({items, font});
}

void PrinterCallLog::moveToTopLeft()
{
    m_calls << QStringLiteral("topleft");
    m_inner.moveToTopLeft();
}

void PrinterCallLog::newPage()
{
    m_calls << QStringLiteral("newpage");
    m_inner.newPage();
}

void PrinterCallLog::endDoc()
{
    m_calls << QStringLiteral("enddoc");
    std::vector<LoggedLine> lines = std::move(m_open);
    m_open.clear();
    m_inner.endDoc();
    if (!lines.empty())
        m_documents.push_back(std::move(lines));
}

void PrinterCallLog::killDoc()
{
    m_calls << QStringLiteral("killdoc");
    ++m_kills;
    m_open.clear();
    m_inner.killDoc();
}

void PrinterCallLog::clear()
{
    m_calls.clear();
    m_open.clear();
    m_documents.clear();
    m_kills = 0;
}

}  // namespace testsupport
