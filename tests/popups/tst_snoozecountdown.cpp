// SPDX-License-Identifier: GPL-3.0-or-later
#include "popups/snoozecountdown.h"

#include <QTest>

class TestSnoozeCountdown : public QObject
{
    Q_OBJECT

private slots:
    void endsAtTheNthMinuteChange_data();
    void endsAtTheNthMinuteChange();
    void notPendingNeverEnds();
    void cancelStopsACountdown();
};

void TestSnoozeCountdown::endsAtTheNthMinuteChange_data()
{
    QTest::addColumn<int>("startMinute");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QList<int>>("tickMinutes");
    QTest::addColumn<int>("endingTick"); // index into tickMinutes, -1: none ends it

    QTest::newRow("one minute, ticks in the same minute first") << 15 << 1 << QList<int>{15, 15, 15, 16} << 3;
    QTest::newRow("five minutes") << 15 << 5 << QList<int>{15, 16, 17, 18, 19, 19, 20} << 6;
    QTest::newRow("not before the fifth change") << 15 << 5 << QList<int>{16, 17, 18, 19, 19} << -1;
    QTest::newRow("across the hour") << 58 << 3 << QList<int>{58, 59, 0, 0, 1} << 4;
    QTest::newRow("a jump of many minutes counts once") << 10 << 2 << QList<int>{40, 40, 41} << 2;
    QTest::newRow("clock set back counts as a change") << 30 << 1 << QList<int>{29} << 0;
    QTest::newRow("zero minutes ends at the first change") << 30 << 0 << QList<int>{30, 31} << 1;
}

void TestSnoozeCountdown::endsAtTheNthMinuteChange()
{
    QFETCH(int, startMinute);
    QFETCH(int, minutes);
    QFETCH(QList<int>, tickMinutes);
    QFETCH(int, endingTick);

    SnoozeCountdown countdown;
    countdown.start(startMinute, minutes);
    int ended = -1;
    for (int i = 0; i < tickMinutes.size(); ++i) {
        if (countdown.tick(tickMinutes.at(i))) {
            QCOMPARE(ended, -1);
            ended = i;
        }
    }
    QCOMPARE(ended, endingTick);
    QCOMPARE(countdown.isPending(), endingTick == -1);
}

void TestSnoozeCountdown::notPendingNeverEnds()
{
    SnoozeCountdown countdown;
    QVERIFY(!countdown.tick(1));
    QVERIFY(!countdown.tick(2));
    QVERIFY(!countdown.isPending());
}

void TestSnoozeCountdown::cancelStopsACountdown()
{
    SnoozeCountdown countdown;
    countdown.start(10, 1);
    countdown.cancel();
    QVERIFY(!countdown.tick(11));
    countdown.start(11, 1);
    QVERIFY(countdown.isPending());
    QCOMPARE(countdown.remaining(), 1);
    QVERIFY(countdown.tick(12));
}

QTEST_GUILESS_MAIN(TestSnoozeCountdown)
#include "tst_snoozecountdown.moc"
