#include "app/LabelPosition.h"

#include <QtTest>

class TstLabelPosition : public QObject {
    Q_OBJECT
private slots:
    void cleaning_data();
    void cleaning();
    void maximumPerMode();
    void lastTwoCharacters_data();
    void lastTwoCharacters();
    void splitting_data();
    void splitting();
    void shapesThatAreNoPosition_data();
    void shapesThatAreNoPosition();
};

void TstLabelPosition::cleaning_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("cleaned");
    QTest::newRow("range with blanks and stop") << "4 - 9." << "4-9";
    QTest::newRow("blanks inside a number") << " 1 2 " << "12";
    QTest::newRow("only stops and blanks") << ". . ." << "";
    QTest::newRow("tab stays") << "4\t" << "4\t";
    QTest::newRow("empty") << "" << "";
}

void TstLabelPosition::cleaning()
{
    QFETCH(QString, entry);
    QFETCH(QString, cleaned);
    QCOMPARE(app::cleanPositionEntry(entry), cleaned);
}

void TstLabelPosition::maximumPerMode()
{
    QCOMPARE(app::maxLabelPosition(1), 30);
    QCOMPARE(app::maxLabelPosition(2), 20);
    QCOMPARE(app::maxLabelPosition(3), 10);
    QCOMPARE(app::maxLabelPosition(4), 30);
    QCOMPARE(app::maxLabelPosition(5), 30);
    QCOMPARE(app::maxLabelPosition(6), 30);
}

void TstLabelPosition::lastTwoCharacters_data()
{
    QTest::addColumn<QString>("cleaned");
    QTest::addColumn<double>("value");
    QTest::newRow("single digit") << "7" << 7.0;
    QTest::newRow("two digits") << "25" << 25.0;
    QTest::newRow("range end of one digit reads with its dash") << "4-9" << -9.0;
    QTest::newRow("range end of two digits") << "4-21" << 21.0;
    QTest::newRow("three digits") << "125" << 25.0;
    QTest::newRow("letters") << "ab" << 0.0;
}

void TstLabelPosition::lastTwoCharacters()
{
    QFETCH(QString, cleaned);
    QFETCH(double, value);
    QCOMPARE(app::lastTwoValue(cleaned), value);
}

void TstLabelPosition::splitting_data()
{
    QTest::addColumn<QString>("cleaned");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("count");
    QTest::newRow("7") << "7" << "7" << "" << 1;
    QTest::newRow("12") << "12" << "12" << "" << 1;
    QTest::newRow("07") << "07" << "07" << "" << 1;
    QTest::newRow("0") << "0" << "0" << "" << 1;
    QTest::newRow("4-9") << "4-9" << "4" << "9" << 6;
    QTest::newRow("4-12") << "4-12" << "4" << "12" << 9;
    QTest::newRow("10-15") << "10-15" << "10" << "15" << 6;
    QTest::newRow("5-5") << "5-5" << "5" << "5" << 1;
    QTest::newRow("1-30") << "1-30" << "1" << "30" << 30;
    QTest::newRow("9-4 keeps its count") << "9-4" << "9" << "4" << -4;
    QTest::newRow("30-20 keeps its count") << "30-20" << "30" << "20" << -9;
}

void TstLabelPosition::splitting()
{
    QFETCH(QString, cleaned);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(int, count);
    const std::optional<app::LabelRangeSplit> split = app::splitLabelRange(cleaned);
    QVERIFY(split.has_value());
    QCOMPARE(split->startPos, start);
    QCOMPARE(split->endPos, end);
    QCOMPARE(int(split->count), count);
}

void TstLabelPosition::shapesThatAreNoPosition_data()
{
    QTest::addColumn<QString>("cleaned");
    for (const char* odd : {"", "abc", "-", "103", "4-", "-4", "12-5", "4--9", "1-2-3", "+5", "99999-1", "4,9",
                            "4\t", "7\n", "1e1", "\xd9\xa3"})
        QTest::newRow(odd) << QString::fromUtf8(odd);
}

void TstLabelPosition::shapesThatAreNoPosition()
{
    QFETCH(QString, cleaned);
    QVERIFY(!app::splitLabelRange(cleaned).has_value());
}

QTEST_MAIN(TstLabelPosition)
#include "tst_labelposition.moc"
