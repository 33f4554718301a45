#include "printing/PrinterFamily.h"
#include "printing/StockTables.h"

#include <QTest>

namespace PrinterFamily = printing::PrinterFamily;
namespace StockTables = printing::StockTables;

Q_DECLARE_METATYPE(StockTables::Sheet)

// The printer family and the pads of each label position.
class TestStockTables : public QObject {
    Q_OBJECT

private slots:
    void printerFamily_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("shifts");
        QTest::addColumn<bool>("forces");
        QTest::newRow("DeskJet 640C/642C/648C") << "HP DeskJet 640C/642C/648C Printer" << true << true;
        QTest::newRow("DeskJet 640C alone") << "HP DeskJet 640C" << false << false;
        QTest::newRow("Officejet") << "HP Officejet Pro 8600" << true << true;
        QTest::newRow("ENVY queue") << "HP_ENVY_5000 Generic CUPS-PDF Printer" << true << true;
        QTest::newRow("Photosmart shifts only") << "HP Photosmart C4180" << true << false;
        QTest::newRow("lower case") << "hp officejet envy photosmart" << false << false;
        QTest::newRow("PDF") << "PDF" << false << false;
    }
    void printerFamily()
    {
        QFETCH(QString, device);
        QTEST(PrinterFamily::shiftsColumns(device), "shifts");
        QTEST(PrinterFamily::forcesPaperSize(device), "forces");
    }

    void pads_data()
    {
        QTest::addColumn<StockTables::Sheet>("sheet");
        QTest::addColumn<double>("position");
        QTest::addColumn<QString>("pads");  // plain, bold, family, family bold: "left top", or "-" for none
        using S = StockTables::Sheet;
        QTest::newRow("wide 1") << S::Wide << 1.0 << "3 3, 3 3, 5 3, 5 3";
        QTest::newRow("wide 2") << S::Wide << 2.0 << "68 3, 60 3, 70 3, 66 3";
        QTest::newRow("wide 11") << S::Wide << 11.0 << "3 36, 3 36, 5 36, 5 36";
        QTest::newRow("wide 15") << S::Wide << 15.0 << "3 49, 3 49, 5 49, 5 49";
        QTest::newRow("wide 20") << S::Wide << 20.0 << "68 62, 60 62, 70 62, 66 62";
        QTest::newRow("large 4") << S::Large << 4.0 << "46 11, 41 11, 48 11, 44 11";
        QTest::newRow("large 9") << S::Large << 9.0 << "3 36, 3 36, 5 36, 5 36";
        QTest::newRow("folder 1") << S::FileFolder << 1.0 << "5 0, 5 0, 6 0, 6 0";
        QTest::newRow("folder 30") << S::FileFolder << 30.0 << "34 28, 30 28, 35 28, 33 28";
        QTest::newRow("large 11") << S::Large << 11.0 << "-, -, -, -";
        QTest::newRow("wide 0") << S::Wide << 0.0 << "-, -, -, -";
        QTest::newRow("folder 2.5") << S::FileFolder << 2.5 << "-, -, -, -";
    }
    void pads()
    {
        QFETCH(StockTables::Sheet, sheet);
        QFETCH(double, position);
        QStringList got;
        for (const bool family : {false, true}) {
            for (const bool bold : {false, true}) {
                const std::optional<printing::LabelPads> p = StockTables::pads(sheet, position, bold, family);
                got << (p ? p->left + ' ' + p->top : "-");
            }
        }
        QTEST(got.join(", "), "pads");
    }
};

QTEST_GUILESS_MAIN(TestStockTables)
#include "tst_stocktables.moc"
