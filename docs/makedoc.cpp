// Turns one Markdown (or HTML) page of docs/ into a Letter-size PDF, with a small footer
// on every page. The build runs it for the documents that the program opens from its Help
// menus, so it must work on a machine without a display.

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cmath>
#include <cstdio>
#include <memory>

namespace {

// The document is laid out in units of 1/96 inch, as on a screen, and scaled onto the PDF.
constexpr double kLayoutDpi = 96.0;
constexpr double kSideMarginPt = 54.0;  // 3/4 inch
constexpr double kTopMarginPt = 45.0;   // 5/8 inch, and the same below the footer
constexpr double kFooterGapPt = 18.0;   // between the body and the footer line
constexpr double kBodyPt = 10.5;
constexpr double kTablePt = 10.0;

const QColor kHeadingColor(0x1f, 0x3a, 0x5f);
const QColor kRuleColor(0x9a, 0xa5, 0xb1);
const QColor kHeaderCellColor(0xe4, 0xea, 0xf1);
const QColor kCodeBackground(0xf2, 0xf2, 0xf2);

double px(double points)
{
    return points * kLayoutDpi / 72.0;
}

QString firstInstalled(const QStringList& families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return families.constLast();
}

struct Fonts {
    QString body;
    QString mono;
};

void styleFragments(const QTextBlock& block, const Fonts& fonts, int headingLevel, bool inTable = false)
{
    QTextCursor cursor(block);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        QTextCharFormat format = fragment.charFormat();
        const bool code = format.fontFixedPitch()
            || format.fontFamilies().toStringList().contains(fonts.mono)
            || QFontDatabase::isFixedPitch(format.fontFamilies().toStringList().value(0));
        QTextCharFormat wanted;
        wanted.setFontFamilies(QStringList{code ? fonts.mono : fonts.body});
        wanted.clearProperty(QTextFormat::FontSizeAdjustment);
        switch (headingLevel) {
        case 1:
            wanted.setFontPointSize(20);
            wanted.setFontWeight(QFont::Bold);
            wanted.setForeground(kHeadingColor);
            break;
        case 2:
            wanted.setFontPointSize(14);
            wanted.setFontWeight(QFont::Bold);
            wanted.setForeground(kHeadingColor);
            break;
        case 3:
            wanted.setFontPointSize(11.5);
            wanted.setFontWeight(QFont::Bold);
            wanted.setForeground(kHeadingColor);
            break;
        default:
            wanted.setFontPointSize((inTable ? kTablePt : kBodyPt) - (code ? 0.5 : 0.0));
            break;
        }
        cursor.setPosition(fragment.position());
        cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        format.clearProperty(QTextFormat::FontSizeAdjustment);
        format.merge(wanted);
        cursor.setCharFormat(format);
    }
}

// Markdown carries no styling of its own: give headings, paragraphs, code and tables the
// look of a printed manual.
void styleDocument(QTextDocument& doc, const Fonts& fonts)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        const int level = format.headingLevel();
        const bool codeBlock = format.nonBreakableLines();
        switch (level) {
        case 1:
            format.setTopMargin(0);
            format.setBottomMargin(px(6));
            break;
        case 2:
            format.setTopMargin(px(14));
            format.setBottomMargin(px(4));
            break;
        case 3:
            format.setTopMargin(px(9));
            format.setBottomMargin(px(3));
            break;
        default:
            if (codeBlock) {
                // Every line of a code block is a block of its own: space only around the whole.
                const bool first = !block.previous().isValid() || !block.previous().blockFormat().nonBreakableLines();
                const bool last = !block.next().isValid() || !block.next().blockFormat().nonBreakableLines();
                format.setBackground(kCodeBackground);
                format.setLeftMargin(px(12));
                format.setTopMargin(first ? px(4) : 0);
                format.setBottomMargin(last ? px(6) : 0);
            } else if (QTextCursor(block).currentTable()) {
                format.setTopMargin(0);
                format.setBottomMargin(0);
                QTextCursor(block).setBlockFormat(format);
                styleFragments(block, fonts, level, true);
                continue;
            } else if (!block.textList()) {
                format.setTopMargin(px(2));
                format.setBottomMargin(px(5));
            } else {
                const bool lastItem = !block.next().isValid() || block.next().textList() != block.textList();
                format.setTopMargin(px(1));
                format.setBottomMargin(px(lastItem ? 6 : 2));
            }
            format.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
            break;
        }
        QTextCursor(block).setBlockFormat(format);
        styleFragments(block, fonts, level);
    }

    const QList<QTextFrame*> frames = doc.rootFrame()->childFrames();
    for (QTextFrame* frame : frames) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setBorder(0.75);
        format.setBorderBrush(kRuleColor);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setCellPadding(px(2.5));
        format.setHeaderRowCount(1);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setTopMargin(px(4));
        format.setBottomMargin(px(8));
        table->setFormat(format);
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                QTextTableCell cell = table->cellAt(row, column);
                QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
                cellFormat.setBorder(0.75);
                cellFormat.setBorderBrush(kRuleColor);
                cellFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                if (row == 0)
                    cellFormat.setBackground(kHeaderCellColor);
                cell.setFormat(cellFormat);
            }
        }
    }
}

// Where a page must break early: before a heading that would stand alone at the foot of
// a page, and before a short table (or the line leading into it) that would be split.
struct PageBreaks {
    QSet<int> blocks;  // block numbers
    QSet<int> tables;  // indexes among the top-level tables

    bool operator==(const PageBreaks&) const = default;
};

QList<QTextTable*> topLevelTables(const QTextDocument& doc)
{
    QList<QTextTable*> tables;
    const QList<QTextFrame*> frames = doc.rootFrame()->childFrames();
    for (QTextFrame* frame : frames) {
        if (auto* table = qobject_cast<QTextTable*>(frame))
            tables.append(table);
    }
    return tables;
}

void applyBreaks(QTextDocument& doc, const PageBreaks& breaks)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (!breaks.blocks.contains(block.blockNumber()))
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
    const QList<QTextTable*> tables = topLevelTables(doc);
    for (int i = 0; i < tables.size(); ++i) {
        if (!breaks.tables.contains(i))
            continue;
        QTextTableFormat format = tables.at(i)->format();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        tables.at(i)->setFormat(format);
    }
}

bool crossesPage(const QRectF& rect, double bodyHeight)
{
    return std::floor(rect.top() / bodyHeight) != std::floor((rect.bottom() - 1) / bodyHeight);
}

// Adds the first break the laid-out document still needs; false when it needs none.
bool addFirstMissingBreak(QTextDocument& doc, double bodyHeight, PageBreaks& breaks)
{
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    int firstPosition = -1;
    PageBreaks wanted = breaks;
    const auto consider = [&](int position, auto add) {
        if (firstPosition < 0 || position < firstPosition) {
            firstPosition = position;
            wanted = breaks;
            add(wanted);
        }
    };

    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || block == doc.begin()
            || breaks.blocks.contains(block.blockNumber()))
            continue;
        const QRectF rect = layout->blockBoundingRect(block);
        const double pageBottom = (std::floor(rect.top() / bodyHeight) + 1) * bodyHeight;
        if (pageBottom - rect.bottom() < px(72)) {
            const int number = block.blockNumber();
            consider(block.position(), [number](PageBreaks& b) { b.blocks.insert(number); });
            break;
        }
    }

    // A paragraph, list item or code line that would be split by the foot of a page goes to
    // the next page whole: the layout draws a block on every page it touches with all of its
    // lines, so a split block would put the text of its lines into both pages of the PDF.
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block == doc.begin() || breaks.blocks.contains(block.blockNumber())
            || QTextCursor(block).currentTable())
            continue;
        const QRectF rect = layout->blockBoundingRect(block);
        if (crossesPage(rect, bodyHeight) && rect.height() < bodyHeight) {
            const int number = block.blockNumber();
            consider(block.position(), [number](PageBreaks& b) { b.blocks.insert(number); });
            break;
        }
    }

    const QList<QTextTable*> tables = topLevelTables(doc);
    for (int i = 0; i < tables.size(); ++i) {
        QTextTable* table = tables.at(i);
        const QRectF rect = layout->frameBoundingRect(table);
        if (!crossesPage(rect, bodyHeight) || rect.height() > bodyHeight / 2)
            continue;
        // The paragraph that introduces the table ("...:") goes with it, and so does a
        // heading right above that paragraph.
        QTextBlock leadIn = doc.findBlock(table->firstPosition()).previous();
        if (leadIn.isValid() && leadIn.text().trimmed().endsWith(QLatin1Char(':'))) {
            if (leadIn.previous().isValid() && leadIn.previous().blockFormat().headingLevel() > 0)
                leadIn = leadIn.previous();
            if (leadIn != doc.begin() && !breaks.blocks.contains(leadIn.blockNumber())) {
                const int number = leadIn.blockNumber();
                consider(leadIn.position(), [number](PageBreaks& b) { b.blocks.insert(number); });
                break;
            }
        }
        if (!breaks.tables.contains(i)) {
            consider(table->firstPosition(), [i](PageBreaks& b) { b.tables.insert(i); });
            break;
        }
    }

    if (wanted == breaks)
        return false;
    breaks = wanted;
    return true;
}

bool readSource(const QString& path, QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = QString::fromUtf8(file.readAll());
    return true;
}

// HTML comments are notes for the people who keep the page (such as the markers around a
// section): they are never printed. A comment on lines of its own goes with its lines.
QString withoutComments(QString text)
{
    static const QRegularExpression wholeLines(QStringLiteral("^[ \\t]*<!--.*?-->[ \\t]*(?:\\r?\\n|$)"),
                                               QRegularExpression::MultilineOption
                                                   | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression inLine(QStringLiteral("<!--.*?-->"),
                                           QRegularExpression::DotMatchesEverythingOption);
    text.remove(wholeLines);
    text.remove(inLine);
    return text;
}

int usage()
{
    std::fputs("usage: makedoc [--title TITLE] SOURCE.md|SOURCE.html OUTPUT.pdf\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = QGuiApplication::arguments().mid(1);
    QString title;
    if (args.size() >= 2 && args.at(0) == QLatin1String("--title")) {
        title = args.at(1);
        args = args.mid(2);
    }
    if (args.size() != 2)
        return usage();
    const QString sourcePath = args.at(0);
    const QString outputPath = args.at(1);

    QString source;
    if (!readSource(sourcePath, source)) {
        std::fprintf(stderr, "makedoc: cannot read %s\n", qPrintable(sourcePath));
        return 1;
    }

    const Fonts fonts{firstInstalled({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}),
                      firstInstalled({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")})};

    const bool html = sourcePath.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)
        || sourcePath.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);

    // Written through a temporary file, so a failed run leaves no half-made PDF that the
    // build would take as up to date.
    QSaveFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "makedoc: cannot write %s\n", qPrintable(outputPath));
        return 1;
    }
    QPdfWriter writer(&output);
    writer.setCreator(QStringLiteral("Quorvel"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(kSideMarginPt, kTopMarginPt, kSideMarginPt, kTopMarginPt - kFooterGapPt),
                                     QPageLayout::Point));
    const double scale = writer.resolution() / kLayoutDpi;
    const QRectF paintRect = writer.pageLayout().paintRectPixels(writer.resolution());
    const double footerHeight = px(kFooterGapPt);
    const QSizeF body(paintRect.width() / scale, paintRect.height() / scale - footerHeight);

    // Each pass lays out a freshly built document: a format changed after layout is not
    // always laid out again in full without an event loop.
    const auto build = [&](const PageBreaks& breaks) {
        auto doc = std::make_unique<QTextDocument>();
        QFont bodyFont(fonts.body);
        bodyFont.setPointSizeF(kBodyPt);
        doc->setDefaultFont(bodyFont);
        doc->setDocumentMargin(0);
        if (html)
            doc->setHtml(source);
        else
            doc->setMarkdown(withoutComments(source), QTextDocument::MarkdownDialectGitHub);
        styleDocument(*doc, fonts);
        applyBreaks(*doc, breaks);
        doc->setPageSize(body);
        return doc;
    };
    PageBreaks breaks;
    std::unique_ptr<QTextDocument> doc = build(breaks);
    for (int pass = 0; pass < 200 && addFirstMissingBreak(*doc, body.height(), breaks); ++pass)
        doc = build(breaks);

    if (title.isEmpty())
        title = doc->begin().text();
    writer.setTitle(title);
    QFont footerFont(fonts.body);
    footerFont.setPointSizeF(8);

    QPainter painter;
    if (!painter.begin(&writer)) {
        std::fprintf(stderr, "makedoc: cannot write %s\n", qPrintable(outputPath));
        return 1;
    }
    const int pages = doc->pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        // No block is split by a page break (addFirstMissingBreak), so each lies on one page.
        // The layout draws every block that meets the context's clip, whole; the painter is
        // not clipped, since clipping would only hide text that is still in the PDF's text and
        // could cut the descenders of a page's last line. The clip is a little shorter than the
        // page at both ends, so that a block touching the page's head or foot from the
        // neighbouring page is not drawn here as well.
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -page * body.height());
        const double inset = px(kBodyPt) / 2;
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * body.height() + inset, body.width(), body.height() - 2 * inset);
        doc->documentLayout()->draw(&painter, context);
        painter.restore();

        // The footer is drawn in the writer's own pixels, so its font keeps its point size.
        const double ruleY = (body.height() + footerHeight * 0.35) * scale;
        const double width = body.width() * scale;
        painter.save();
        painter.setPen(QPen(kRuleColor, 0.5 * writer.resolution() / 72.0));
        painter.drawLine(QPointF(0, ruleY), QPointF(width, ruleY));
        painter.setFont(footerFont);
        painter.setPen(QColor(0x55, 0x5f, 0x6b));
        const QRectF footer(0, ruleY + 3.0 * writer.resolution() / 72.0, width, footerHeight * scale);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignTop, title);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignTop,
                         QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
        painter.restore();
    }
    if (!painter.end() || !output.commit()) {
        std::fprintf(stderr, "makedoc: cannot finish %s\n", qPrintable(outputPath));
        return 1;
    }
    return 0;
}
