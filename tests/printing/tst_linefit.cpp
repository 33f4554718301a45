#include "printing/LabelPrintJob.h"
#include "printing/LineFit.h"
#include "printing/ReturnAddressJob.h"

#include <QTest>

using printing::LabelStock;
using printing::LineFit;

// A typed line fits its label or envelope by the width it is drawn with.
class TestLineFit : public QObject {
    Q_OBJECT

private slots:
    void charactersThatFit_data()
    {
        QTest::addColumn<QString>("stock");    // wide, large, folder, 80 or 60 (return address)
        QTest::addColumn<QString>("options");  // envelope, centred, bold, italic, large, landscape
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("fit");  // characters that fit; -1: the whole line
        const QString w = "W";
        QTest::newRow("wide, Honourable") << "wide" << "" << "The Honourable Dr. Bartholomew Fitzwilliam-Montgomery Jr. X" << 55;
        QTest::newRow("wide, 59 W") << "wide" << "" << w.repeated(59) << 30;
        QTest::newRow("wide, 30 W") << "wide" << "" << w.repeated(30) << -1;
        QTest::newRow("wide bold centred") << "wide" << "bold centred" << w.repeated(27) << 23;
        QTest::newRow("large centred, 37 W") << "large" << "centred" << w.repeated(37) << 20;
        QTest::newRow("large bold italic") << "large" << "bold italic" << "1234 Elmwood Avenue Apt 7" << -1;
        QTest::newRow("folder, 22 W") << "folder" << "" << w.repeated(22) << 11;
        QTest::newRow("folder bold") << "folder" << "bold" << "Tax Returns 2023" << -1;
        QTest::newRow("80, 30 W") << "80" << "" << w.repeated(30) << 14;
        QTest::newRow("80 centred italic") << "80" << "centred italic" << "Springfield IL 62704" << -1;
        QTest::newRow("60, a TAB is a blank") << "60" << "" << "Margaret Q.\tJohnson" << -1;
        QTest::newRow("envelope") << "wide" << "envelope landscape" << w.repeated(70) << 36;
        QTest::newRow("envelope large centred") << "wide" << "envelope landscape large centred" << "Springfield, IL  62704-1234" << -1;
        QTest::newRow("folder envelope") << "folder" << "envelope landscape" << w.repeated(40) << 8;
    }
    void charactersThatFit()
    {
        QFETCH(QString, stock);
        QFETCH(QString, options);
        QFETCH(QString, line);
        printing::LabelInput in;
        in.envelope = options.contains("envelope");
        in.label = !in.envelope;
        in.centred = options.contains("centred");
        in.leftJustified = !in.centred;
        in.labelBold = in.envelopeBold = options.contains("bold");
        in.labelItalic = options.contains("italic");
        in.largeFont = options.contains("large");
        in.portrait = !options.contains("landscape");
        in.leftPad = "50";
        const LineFit::Place place =
            stock == "80" || stock == "60"
                ? (stock == "80" ? printing::ReturnSheet::eighty() : printing::ReturnSheet::sixty()).linePlace(in, line)
                : (stock == "wide" ? LabelStock::wide() : stock == "large" ? LabelStock::large() : LabelStock::fileFolder())
                      .linePlace(in, line);
        const qsizetype fit = LineFit::charactersThatFit(line, place);
        QTEST(fit == line.size() ? -1 : int(fit), "fit");
    }
};

QTEST_MAIN(TestLineFit)
#include "tst_linefit.moc"
