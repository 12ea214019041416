// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/daychange.h"

#include <QTest>

class TestDayChange : public QObject
{
    Q_OBJECT

private slots:
    void detect_data();
    void detect();
};

void TestDayChange::detect_data()
{
    QTest::addColumn<QString>("lastCheckDate");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("checkDate");
    QTest::addColumn<QString>("checkTime");

    const QDate day(2026, 12, 8);
    const QString before = QStringLiteral("2026/12/07");
    QTest::newRow("same day") << "2026/12/08" << QDateTime(day, QTime(23, 59, 59)) << false << ""
                              << "";
    QTest::newRow("seconds after midnight") << before << QDateTime(day, QTime(0, 0, 2)) << true << "2026/12/08"
                                            << "00:00:00";
    QTest::newRow("end of the first minute") << before << QDateTime(day, QTime(0, 0, 59)) << true << "2026/12/08"
                                             << "00:00:00";
    QTest::newRow("second minute") << before << QDateTime(day, QTime(0, 1, 0)) << true << "2026/12/08"
                                   << "00:01:00";
    QTest::newRow("resumed in the morning") << before << QDateTime(day, QTime(9, 30, 15)) << true << "2026/12/08"
                                            << "09:30:15";
    QTest::newRow("resumed a week later") << before << QDateTime(day.addDays(6), QTime(7, 0, 0)) << true << "2026/12/14"
                                          << "07:00:00";
    QTest::newRow("new year") << "2026/12/31" << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 30)) << true << "2027/01/01"
                              << "00:00:00";
    QTest::newRow("clock set back") << "2026/12/09" << QDateTime(day, QTime(12, 0, 0)) << false << ""
                                    << "";
}

void TestDayChange::detect()
{
    QFETCH(QString, lastCheckDate);
    QFETCH(QDateTime, now);
    QFETCH(bool, changed);
    QFETCH(QString, checkDate);
    QFETCH(QString, checkTime);

    const std::optional<DayChange> change = detectDayChange(lastCheckDate, now);
    QCOMPARE(change.has_value(), changed);
    if (change) {
        QCOMPARE(change->lastCheckDate, checkDate);
        QCOMPARE(change->lastCheckTime, checkTime);
    }
}

QTEST_APPLESS_MAIN(TestDayChange)
#include "tst_daychange.moc"
