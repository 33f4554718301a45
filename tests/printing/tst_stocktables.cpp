#include "printing/PrinterFamily.h"
#include "printing/StockTables.h"

#include <QtTest>

using printing::LabelPads;
using printing::PrinterFamily;
using printing::StockTables;
using Sheet = printing::StockTables::Sheet;

Q_DECLARE_METATYPE(printing::StockTables::Sheet)

class TestStockTables : public QObject {
    Q_OBJECT

private slots:
    void pads_data()
    {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<double>("position");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("family");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::newRow("wide 1") << Sheet::Wide << 1.0 << false << false << "3" << "3";
        QTest::newRow("wide 1 bold family") << Sheet::Wide << 1.0 << true << true << "5" << "3";
        QTest::newRow("wide 4") << Sheet::Wide << 4.0 << false << false << "68" << "9";
        QTest::newRow("wide 4 bold") << Sheet::Wide << 4.0 << true << false << "60" << "9";
        QTest::newRow("wide 4 family") << Sheet::Wide << 4.0 << false << true << "70" << "9";
        QTest::newRow("wide 4 family bold") << Sheet::Wide << 4.0 << true << true << "66" << "9";
        QTest::newRow("wide 19") << Sheet::Wide << 19.0 << false << false << "3" << "62";
        QTest::newRow("large 2 family bold") << Sheet::Large << 2.0 << true << true << "44" << "2";
        QTest::newRow("large 7") << Sheet::Large << 7.0 << true << false << "3" << "28";
        QTest::newRow("large 10 bold") << Sheet::Large << 10.0 << true << false << "41" << "36";
        QTest::newRow("large 10 family") << Sheet::Large << 10.0 << false << true << "48" << "36";
        QTest::newRow("folder 1 family") << Sheet::FileFolder << 1.0 << true << true << "6" << "0";
        QTest::newRow("folder 2 bold") << Sheet::FileFolder << 2.0 << true << false << "30" << "0";
        QTest::newRow("folder 2 family bold") << Sheet::FileFolder << 2.0 << true << true << "33" << "0";
        QTest::newRow("folder 29") << Sheet::FileFolder << 29.0 << false << false << "5" << "28";
        QTest::newRow("folder 30 family") << Sheet::FileFolder << 30.0 << false << true << "35" << "28";
    }
    void pads()
    {
        QFETCH(Sheet, sheet);
        QFETCH(double, position);
        QFETCH(bool, bold);
        QFETCH(bool, family);
        QFETCH(QString, left);
        QFETCH(QString, top);
        const std::optional<LabelPads> pads = StockTables::pads(sheet, position, bold, family);
        QVERIFY(pads.has_value());
        QCOMPARE(pads->left, left);
        QCOMPARE(pads->top, top);
    }

    void rowsStepDownTheSheet()
    {
        // Both labels of a row share its top pad, and each row lies below the one above.
        for (Sheet sheet : {Sheet::Wide, Sheet::Large, Sheet::FileFolder}) {
            int previous = -1;
            for (int p = 1; p <= StockTables::positionCount(sheet); p += 2) {
                const int top = StockTables::pads(sheet, p, false, false)->top.toInt();
                QCOMPARE(StockTables::pads(sheet, p + 1, true, true)->top.toInt(), top);
                QVERIFY(top > previous);
                previous = top;
            }
        }
        QCOMPARE(StockTables::positionCount(Sheet::Wide), 20);
        QCOMPARE(StockTables::positionCount(Sheet::Large), 10);
        QCOMPARE(StockTables::positionCount(Sheet::FileFolder), 30);
    }

    void positionsOffTheSheet_data()
    {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<double>("position");
        QTest::newRow("wide 0") << Sheet::Wide << 0.0;
        QTest::newRow("wide 21") << Sheet::Wide << 21.0;
        QTest::newRow("large 11") << Sheet::Large << 11.0;
        QTest::newRow("folder 31") << Sheet::FileFolder << 31.0;
        QTest::newRow("folder -2") << Sheet::FileFolder << -2.0;
        QTest::newRow("fraction") << Sheet::FileFolder << 7.5;
    }
    void positionsOffTheSheet()
    {
        QFETCH(Sheet, sheet);
        QFETCH(double, position);
        QVERIFY(!StockTables::isPosition(sheet, position));
        QVERIFY(!StockTables::pads(sheet, position, false, false).has_value());
    }

    void printerFamily_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("shifts");
        QTest::addColumn<bool>("forces");
        QTest::newRow("DeskJet") << "HP DeskJet 640C/642C/648C on USB" << true << true;
        QTest::newRow("DeskJet 640C alone") << "HP DeskJet 640C" << false << false;
        QTest::newRow("Officejet behind other words") << "Office HP Officejet 4500 (network)" << true << true;
        QTest::newRow("OFFICEJET") << "HP OFFICEJET" << false << false;
        QTest::newRow("ENVY") << "HP ENVY 5000" << true << true;
        QTest::newRow("Envy") << "HP Envy 5000" << false << false;
        QTest::newRow("Photosmart") << "HP Photosmart" << true << false;
        QTest::newRow("PDF") << "PDF" << false << false;
        QTest::newRow("empty") << "" << false << false;
    }
    void printerFamily()
    {
        QFETCH(QString, device);
        QTEST(PrinterFamily::shiftsColumns(device), "shifts");
        QTEST(PrinterFamily::forcesPaperSize(device), "forces");
    }
};

QTEST_GUILESS_MAIN(TestStockTables)
#include "tst_stocktables.moc"
