#include "printing/FontMetrics.h"
#include "printing/LabelPrintJob.h"
#include "printing/LineFit.h"
#include "printing/ReturnAddressJob.h"
#include "printing/StockTables.h"
#include "support/TableRows.h"

#include <QTest>

using printing::LabelStock;
using printing::LineFit;

namespace {

// The place of a line on `stock` ("wide", "large", "folder": the label at `where`, or the
// envelope of size `where`; "80", "60": the return-address label `where` of a row, from 1),
// with the screen's `options`.
LineFit::Place placeOf(const QString& stock, const QString& options, int where)
{
    printing::LabelInput in;
    in.envelope = options.contains("envelope");
    in.centred = options.contains("centred");
    in.labelBold = in.envelopeBold = options.contains("bold");
    in.labelItalic = options.contains("italic");
    in.largeFont = options.contains("large");
    in.portrait = !options.contains("landscape");
    if (stock == "80" || stock == "60")
        return (stock == "80" ? printing::ReturnSheet::eighty() : printing::ReturnSheet::sixty())
            .linePlaces(in)[size_t(where - 1)];
    const LabelStock& s = stock == "wide"    ? LabelStock::wide()
                          : stock == "large" ? LabelStock::large()
                                             : LabelStock::fileFolder();
    if (in.envelope) {
        in.leftPad = options.section("pad=", 1).section(' ', 0, 0);
        return s.envelopePlace(in, where, options.contains("family"));
    }
    const bool family = options.contains("family");
    return s.labelPlace(in, where, printing::StockTables::pads(s.sheet, where, in.labelBold, family)->left);
}

}  // namespace

// A typed line fits its label or envelope where it prints, by the width it is drawn with.
class TestLineFit : public QObject {
    Q_OBJECT

private slots:
    void charactersThatFit_data()
    {
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("where");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("fit");
        QTest::addColumn<double>("start");
        for (const QStringList& r : testsupport::tableRows("linefit.tsv"))
            QTest::newRow(qPrintable(r[0]))
                << r[1] << r[2] << r[3].toInt() << testsupport::repeated(r[4]) << r[5].toInt() << r[6].toDouble();
    }
    void charactersThatFit()
    {
        QFETCH(QString, stock);
        QFETCH(QString, options);
        QFETCH(int, where);
        QFETCH(QString, line);
        QFETCH(double, start);
        const LineFit::Place place = placeOf(stock, options, where);
        const qsizetype fit = LineFit::charactersThatFit(line, {&place, 1});
        QTEST(fit == line.size() ? -1 : int(fit), "fit");
        // The count it names fits as the line, centred again.
        QCOMPARE(LineFit::charactersThatFit(line.left(fit), {&place, 1}), fit);
        QCOMPARE(std::round(10 * (place.tab + LineFit::blanks(line, place) * place.column)) / 10, start);
    }

    void startWidths_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("Latin-1") << QString("Grüße, Zoë W") + QChar(0xA0);
        QTest::newRow("Greek among Latin") << QString::fromUtf8("a\u03B1b\u03B2\u2014c");
        QTest::newRow("pairs") << QString::fromUtf8("x\U0001F600y\U0001F4E6\U0001F600");
        QTest::newRow("a pair split by a Latin letter") << QString(QChar(0xD83D)) + 'a' + QChar(0xDE00) + QChar(0x3B1);
        QTest::newRow("lone halves") << QString(QChar(0xDE00)) + QChar(0xD83D) + 'b' + QChar(0xD83D);
    }
    void startWidths()
    {
        // Every start of a text measures in one pass what it measures alone.
        QFETCH(QString, text);
        for (const bool bold : {false, true}) {
            const printing::TextWidths widths = printing::FontMetrics::widths({"Verdana", 11, bold, !bold});
            const std::vector<double> starts = widths.ofStarts(text);
            QCOMPARE(starts.size(), size_t(text.size() + 1));
            for (qsizetype n = 0; n <= text.size(); ++n)
                QVERIFY2(starts[size_t(n)] == widths.of(QStringView(text).left(n)), qPrintable(QString::number(n)));
        }
    }
};

QTEST_MAIN(TestLineFit)
#include "tst_linefit.moc"
