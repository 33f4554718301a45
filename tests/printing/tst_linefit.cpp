#include "printing/LabelPrintJob.h"
#include "printing/LineFit.h"

#include <QTest>

using printing::LabelStock;
using printing::LineFit;

// The most characters of a typed line that stay on a label or envelope.
class TestLineFit : public QObject {
    Q_OBJECT

private slots:
    void mostCharacters_data()
    {
        QTest::addColumn<QString>("stock");  // or "envelope" at a left pad of 50, Verdana 11
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<int>("most");
        QTest::newRow("wide") << "wide" << false << false << 59;
        QTest::newRow("wide bold centred") << "wide" << true << true << 52;
        QTest::newRow("large centred") << "large" << false << true << 37;
        QTest::newRow("large bold") << "large" << true << false << 33;
        QTest::newRow("folder") << "folder" << false << false << 22;
        QTest::newRow("folder bold centred") << "folder" << true << true << 20;
        QTest::newRow("envelope") << "envelope" << false << false << 70;
    }
    void mostCharacters()
    {
        QFETCH(QString, stock);
        QFETCH(bool, bold);
        QFETCH(bool, centred);
        const LabelStock& s = stock == "wide" ? LabelStock::wide() : stock == "large" ? LabelStock::large()
                                                                                     : LabelStock::fileFolder();
        const int most = stock == "envelope"
                             ? LineFit::envelopeLine(9.5 * 72, 50, {"Verdana", 11, bold, false})
                             : LineFit::labelLine(s, bold, centred);
        QTEST(most, "most");
    }
};

QTEST_GUILESS_MAIN(TestLineFit)
#include "tst_linefit.moc"
