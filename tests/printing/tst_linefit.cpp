#include "printing/FontMetrics.h"
#include "printing/LabelPrintJob.h"
#include "printing/LineFit.h"
#include "printing/ReturnAddressJob.h"
#include "printing/StockTables.h"

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
        QTest::addColumn<QString>("options");  // envelope pad=n, centred, bold, italic, large, landscape, family
        QTest::addColumn<int>("where");        // label position, envelope size or return-address label
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("fit");  // characters that fit; -1: the whole line
        QTest::addColumn<double>("start");  // where the whole line starts on the paper, in points
        const QString w = "W", a = "a";
        QTest::newRow("wide 1") << "wide" << "" << 1 << w.repeated(40) << 30 << 27.1;
        QTest::newRow("wide 2") << "wide" << "" << 2 << w.repeated(40) << 30 << 324.5;
        QTest::newRow("wide 2 family") << "wide" << "family" << 2 << w.repeated(40) << 29 << 333.7;
        QTest::newRow("wide 2, Honourable") << "wide" << "" << 2 << "The Honourable Dr. Bartholomew Fitzwilliam-Montgomery Jr. X" << 56 << 324.5;
        QTest::newRow("wide 1 centred") << "wide" << "centred" << 1 << w.repeated(40) << 30 << 27.1;
        QTest::newRow("wide 1 centred, a") << "wide" << "centred" << 1 << a.repeated(60) << 48 << 27.1;
        QTest::newRow("wide 2 centred, Jane Doe") << "wide" << "centred" << 2 << "Jane Doe" << -1 << 438.9;
        QTest::newRow("wide 2 bold centred") << "wide" << "bold centred" << 2 << w.repeated(30) << 27 << 309.3;
        QTest::newRow("large 2") << "large" << "" << 2 << w.repeated(30) << 18 << 338.2;
        QTest::newRow("large 1 bold centred below 1") << "large" << "bold centred" << 1 << w.repeated(20) << 17 << 18.0;
        QTest::newRow("large 1 bold italic") << "large" << "bold italic" << 1 << "1234 Elmwood Avenue Apt 7" << -1 << 33.9;
        QTest::newRow("folder 2") << "folder" << "" << 2 << w.repeated(22) << 10 << 353.5;
        QTest::newRow("folder 1 bold") << "folder" << "bold" << 1 << "Tax Returns 2023" << -1 << 63.4;
        QTest::newRow("folder 2 centred") << "folder" << "centred" << 2 << w.repeated(12) << 10 << 363.6;
        QTest::newRow("80 1") << "80" << "" << 1 << w.repeated(30) << 13 << 39.1;
        QTest::newRow("80 4 centred italic") << "80" << "centred italic" << 4 << "Springfield IL 62704" << -1 << 493.1;
        QTest::newRow("60 2, a TAB is a blank") << "60" << "" << 2 << "Margaret Q.\tJohnson" << -1 << 180.3;
        QTest::newRow("#10") << "wide" << "envelope landscape pad=50" << 1 << w.repeated(70) << 35 << 292.0;
        QTest::newRow("#6 3/4") << "wide" << "envelope landscape pad=33" << 2 << w.repeated(70) << 24 << 196.9;
        QTest::newRow("A2 centred") << "wide" << "envelope landscape centred pad=28" << 3 << w.repeated(70) << 25 << 135.4;
        QTest::newRow("#9 large") << "wide" << "envelope landscape large pad=38" << 4 << w.repeated(70) << 33 << 217.0;
        QTest::newRow("#A10 portrait") << "large" << "envelope pad=45" << 6 << w.repeated(70) << 19 << 331.1;
        QTest::newRow("#10 portrait family") << "wide" << "envelope family pad=20" << 1 << w.repeated(70) << 21 << 104.9;
        QTest::newRow("folder #10") << "folder" << "envelope landscape pad=50" << 1 << w.repeated(40) << 8 << 516.1;
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

    void centringWithinOneBlank()
    {
        // The middle of a centred line lies within one blank's width of its label's middle.
        for (const QString stock : {"wide", "large", "folder", "80", "60"}) {
            for (int where = 1; where <= 4; ++where) {
                for (const QString options : {"centred", "centred bold", "centred bold italic family"}) {
                    const LineFit::Place place = placeOf(stock, options, where);
                    const printing::TextWidths widths = printing::FontMetrics::widths(place.font);
                    for (const QString line : {"Ann", "Hello", "Springfield, IL", "WWWWWWWW", "iiiiiiiiiiii"}) {
                        if (LineFit::charactersThatFit(line, {&place, 1}) < line.size())
                            continue;  // too wide to centre
                        const double middle = place.tab + LineFit::blanks(line, place) * place.column + widths.of(line) / 2;
                        QVERIFY2(std::abs(middle - *place.centre) <= place.column / 2 + 1e-6,
                                 qPrintable(QString("%1 %2 %3 %4").arg(stock, options).arg(where).arg(line)));
                    }
                }
            }
        }
    }
};

QTEST_MAIN(TestLineFit)
#include "tst_linefit.moc"
