// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeclock.h"
#include "trigger/tickphase.h"

#include <QTest>

class TestTickPhase : public QObject
{
    Q_OBJECT

private slots:
    void ticksLandOnTheHalfSeconds_data();
    void ticksLandOnTheHalfSeconds();
};

void TestTickPhase::ticksLandOnTheHalfSeconds_data()
{
    QTest::addColumn<QTime>("start");
    QTest::addColumn<int>("clockStepMs"); // the wall clock set during the first wait
    QTest::addColumn<int>("firingMs");    // the first tick's work before the timer is armed again
    QTest::addColumn<QTime>("firstTick");
    QTest::addColumn<QTime>("secondTick");

    const auto at = [](int s, int ms) { return QTime(10, 0, s, ms); };
    QTest::newRow("started on the second") << at(0, 0) << 0 << 0 << at(0, 505) << at(1, 5);
    QTest::newRow("started mid half second") << at(0, 321) << 0 << 0 << at(0, 505) << at(1, 5);
    QTest::newRow("started just after a tick's moment") << at(0, 6) << 0 << 0 << at(0, 505) << at(1, 5);
    QTest::newRow("started just before the second") << at(0, 998) << 0 << 0 << at(1, 5) << at(1, 505);
    QTest::newRow("firing took 0.3 s") << at(0, 200) << 0 << 300 << at(0, 505) << at(1, 5);
    QTest::newRow("firing took longer than a tick") << at(0, 200) << 0 << 1234 << at(0, 505) << at(2, 5);
    QTest::newRow("clock set forward") << at(0, 200) << 1234 << 0 << at(1, 739) << at(2, 5);
    QTest::newRow("clock set back") << at(0, 200) << -750 << 0 << QTime(9, 59, 59, 755) << at(0, 5);
    QTest::newRow("clock set back a minute")
        << at(30, 200) << -60'100 << 0 << QTime(9, 59, 30, 405) << QTime(9, 59, 30, 505);
    // The tick arrives 3 ms before its moment; it serves that half second, with no second tick.
    QTest::newRow("clock set forward just short of a tick") << at(0, 200) << 497 << 0 << at(1, 2) << at(1, 505);
}

void TestTickPhase::ticksLandOnTheHalfSeconds()
{
    QFETCH(QTime, start);
    QFETCH(int, clockStepMs);
    QFETCH(int, firingMs);
    QFETCH(QTime, firstTick);
    QFETCH(QTime, secondTick);

    FakeClock clock(QDateTime(QDate(2026, 12, 8), start));
    // A timer waits on the monotonic clock: a step of the wall clock shifts the tick's reading.
    clock.advanceMs(TickPhase::msToNextTick(clock.now().time()) + clockStepMs);
    QCOMPARE(clock.now().time(), firstTick);
    clock.advanceMs(firingMs);
    clock.advanceMs(TickPhase::msToNextTick(clock.now().time()));
    QCOMPARE(clock.now().time(), secondTick);
    // From there on the ticks keep their 500 ms.
    QCOMPARE(TickPhase::msToNextTick(clock.now().time()), 500);
}

QTEST_APPLESS_MAIN(TestTickPhase)
#include "tst_tickphase.moc"
