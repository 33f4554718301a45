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
};

QTEST_GUILESS_MAIN(TestLabelRange)
#include "tst_labelrange.moc"
