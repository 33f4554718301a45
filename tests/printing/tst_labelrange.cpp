#include "printing/LabelModes.h"
#include "printing/LabelRange.h"

#include <QTest>

using printing::LabelRange;

class TestLabelRange : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("split");  // "start end count", "beyond" or "refused"
        QTest::newRow("one digit") << "7" << 20 << "7  1";
        QTest::newRow("two digits") << "07" << 20 << "07  1";
        QTest::newRow("blanks and stops") << " 4 - 9. " << 20 << "4 9 6";
        QTest::newRow("d-dd") << "4-12" << 30 << "4 12 9";
        QTest::newRow("dd-dd") << "11-20" << 20 << "11 20 10";
        QTest::newRow("end before start") << "9-4" << 20 << "9 4 -4";
        QTest::newRow("nothing") << " . " << 20 << "refused";
        for (const auto& [entry, maximum] : {std::pair{"25", 20}, {"5-21", 20}, {"11", 10}, {"1-31", 30}, {"45", 30}})
            QTest::addRow("%s beyond %d", entry, maximum) << entry << maximum << "beyond";
        for (const char* odd : {"abc", "-", "103", "4-", "-4", "12-5", "4--9", "1-2-3", "+5", "99999-1", "4,9", "0", "00", "0-2", "3-00", "1.5", "1.5-9"})
            QTest::addRow("%s", odd) << odd << 30 << "refused";
    }
    void parse()
    {
        QFETCH(QString, entry);
        QFETCH(int, maximum);
        const QString cleaned = LabelRange::clean(entry);
        QString split = QStringLiteral("beyond");
        if (!LabelRange::beyond(cleaned, maximum)) {
            const std::optional<LabelRange> range = LabelRange::parse(cleaned);
            split = range ? QStringLiteral("%1 %2 %3").arg(range->startPos, range->endPos).arg(range->count)
                          : QStringLiteral("refused");
        }
        QTEST(split, "split");
    }

    void modes()
    {
        QString table;
        for (const printing::LabelMode& m : printing::mainWindowModes())
            table += QStringLiteral("%1 %2 %3 %4/%5\n").arg(m.mode).arg(m.printButtonName()).arg(m.maximumPosition)
                         .arg(m.perSheet).arg(m.columns);
        QCOMPARE(table, QStringLiteral("1 cmdQzStart 30 30/3\n2 cmdWideLabel 20 20/2\n3 cmdLargeLabel 10 10/2\n"
                                       "4 cmdLrgRetAddress 30 60/4\n5 cmdRetAddress 30 80/4\n"
                                       "6 cmdFileFolderStart 30 30/2\n"));
        const printing::LabelMode& search = *printing::labelMode(printing::kSearchResultMode);
        QCOMPARE(search.perSheet * 10 + search.columns, 303);
        QVERIFY(!printing::labelMode(0) && printing::labelSizeCaption(7).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLabelRange)
#include "tst_labelrange.moc"
