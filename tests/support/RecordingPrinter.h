#pragma once

#include "printing/PagePrinter.h"
#include "runtime/RuntimeError.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace testsupport {

// The recording printer: the program's printer that also keeps each line as the program asked for it, empty ones included
// (the recorded pages show texts only): "size:items", items as tab(n), spaces(n) and
// 'text', with the font in effect.
class RecordingPrinter : public printing::PagePrinter {
public:
    struct Line {
        QString layout;
        printing::PrintFont font;
    };
    using PagePrinter::PagePrinter;

    void printLine(const std::vector<platform::PrintItem>& items = {}) override
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
    void endDoc() override
    {
        ++ends;
        std::vector<Line> lines = std::exchange(m_open, {});
        PagePrinter::endDoc();
        if (!lines.empty())
            documents.push_back(std::move(lines));
    }
    void killDoc() override
    {
        ++kills;
        if (failCancel)  // no printer installed, say
            throw rt::RuntimeError(rt::err::PrinterError);
        m_open.clear();
        PagePrinter::killDoc();
    }

    // Each line of the document as asked for, with its whole font: "layout | name[ bold][ italic]".
    QString dump(size_t document) const
    {
        QString out;
        for (const Line& line : documents.at(document))
            out += QStringLiteral("%1 | %2%3%4\n").arg(line.layout, line.font.name, line.font.bold ? " bold" : "",
                                                       line.font.italic ? " italic" : "");
        return out;
    }

    std::vector<std::vector<Line>> documents;  // each ended document with a line in it
    int ends = 0;
    int kills = 0;
    bool failCancel = false;

private:
    std::vector<Line> m_open;
};

}  // namespace testsupport
