#pragma once

#include "Screen.h"
#include "TestApp.h"
#include "TestFiles.h"
#include "app/MainWindow.h"
#include "contacts/ContactRecord.h"
#include "printing/PagePrinter.h"

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <functional>
#include <utility>
#include <vector>

namespace testsupport {

// Every text of a document in print order as "row:column:text"; rows of later pages carry
// the page number ("p2 4:7:text").
inline QStringList textLayout(const printing::PrintedDocument& doc)
{
    QStringList out;
    for (size_t page = 0; page < doc.pages.size(); ++page) {
        const QString prefix = page == 0 ? QString() : QStringLiteral("p%1 ").arg(page + 1);
        for (const printing::PlacedText& t : doc.pages[page].items)
            out << prefix + QStringLiteral("%1:%2:%3").arg(t.row).arg(t.column).arg(t.text);
    }
    return out;
}

// The pages of a PDF as `pdftotext -bbox` reads them, in points from the top-left corner.
struct PdfPage {
    QSizeF size;
    QList<std::pair<QString, QRectF>> words;

    // The words inside each of `labels` labels, then those in none.
    QList<int> wordsPerLabel(int labels, const std::function<QRectF(int)>& label) const
    {
        QList<int> found(labels + 1, 0);
        for (const auto& [text, rect] : words) {
            int k = 0;
            while (k < labels && !label(k).contains(rect))
                ++k;
            ++found[k];
        }
        return found;
    }
};

inline QList<PdfPage> pdfPages(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    static const QRegularExpression page(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    QList<PdfPage> pages;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        QRegularExpressionMatch m = page.match(line);
        const auto at = [&m](int n) { return m.captured(n).toDouble(); };
        if (m.hasMatch())
            pages.append({QSizeF(at(1), at(2)), {}});
        else if (m = word.match(line); m.hasMatch() && !pages.isEmpty())
            pages.last().words.append({m.captured(5), QRectF(QPointF(at(1), at(2)), QPointF(at(3), at(4)))});
    }
    return pages;
}

// Writes the records as a contact file.
inline void writeContacts(const QString& path, const std::vector<contacts::ContactRecord>& records)
{
    QByteArray bytes;
    for (const contacts::ContactRecord& r : records)
        bytes += r.toBytes();
    writeBytes(path, bytes);
}

// The program started on the fakes with the recording printer: typing lines, choosing
// options and the boxes the main window's commands show.
struct Fixture {
    TestApp app;

    explicit Fixture(printing::PrinterDevice* output = nullptr) : app(output) { app.start(); }
    Screen window() { return app.screen(FormId::Main); }
    // A button or menu command of the main window.
    void click(const QString& name) { window().click(name); }

    // From line 1; lines not given are emptied.
    void typeLines(const QStringList& lines)
    {
        const char* const names[] = {"txtQzLine1", "txtQzLine2", "txtQzline3", "txtQzLine4", "txtQzLine5"};
        for (int i = 0; i < 5; ++i)
            window().setText(QLatin1String(names[i]), lines.value(i));
    }
    // Chooses options and ticks boxes, each running its handler. Label stock answers its
    // position prompt with `range` ("": no position chosen).
    void choose(const QString& names, const QString& range = {})
    {
        for (const QString& name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (name == QLatin1String("optQzLabel")) {
                app.messages.expectBox({QStringLiteral("Label position reading L to R"), {}, platform::Buttons::Ok,
                                        platform::Icon::None, platform::Answer::Ok, true, range, false});
                window().setValue(name, 0);
            }
            window().setValue(name, 1);
        }
    }

    // The common error box with its wording; its text is checked when `number` is not 0.
    static void expectCommonError(FakeMessages& messages, int number, const QString& description,
                                  platform::Answer answer)
    {
        ExpectedBox box{QStringLiteral("Error"), {}, platform::Buttons::RetryCancel, platform::Icon::None, answer};
        box.checkText = number != 0;
        box.text = QStringLiteral("An error has occurred. Error number %1 -- %2.  Try again, or notify author.")
                       .arg(number)
                       .arg(description);
        messages.expectBox(box);
    }

    QStringList layout(size_t document) const { return textLayout(app.device.documents().at(document)); }
    // Scripted boxes not shown, dialogs not used, surprises.
    QString leftOver() const
    {
        QStringList out = app.messages.pending() + app.messages.failures();
        if (!app.printScript.allUsed())
            out << QStringLiteral("print dialogs left unused");
        return out.join(QStringLiteral("; "));
    }
};

}  // namespace testsupport
