// SPDX-License-Identifier: GPL-3.0-or-later
#include "testevent.h"
#include "trigger/missedalarms.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<AlarmEvent>)

namespace {
AlarmEvent alarm(const QString& time24, const QString& schedule, const QString& date = AlarmText::noDate,
                 const QString& days = {}, bool enabled = true)
{
    AlarmEvent e = testEvent(time24, date, schedule);
    e.days = days;
    e.enabled = enabled;
    return e;
}

QDateTime at(int month, int day, const QTime& time)
{
    return QDateTime(QDate(2026, month, day), time);
}

// "row day": what was missed, in the order it would have fired.
QStringList named(const MissedAlarms& missed)
{
    QStringList result;
    for (const MissedAlarm& one : missed.listed)
        result.append(QString::number(one.row) + QLatin1Char(' ') + one.day.toString(Qt::ISODate));
    return result;
}
} // namespace

class TestMissedAlarms : public QObject
{
    Q_OBJECT

private slots:
    void spans_data();
    void spans();
    void reportText();
};

void TestMissedAlarms::spans_data()
{
    QTest::addColumn<QList<AlarmEvent>>("events");
    QTest::addColumn<QDateTime>("watchedUntil");
    QTest::addColumn<QDateTime>("resumedAt");
    QTest::addColumn<bool>("disabled");
    QTest::addColumn<QStringList>("expected");

    // Tuesday 8 to Wednesday 9 December.
    const QList<AlarmEvent> night{
        alarm("07:00:00", "Every Day"), alarm("07:30:00", "None", "2026/12/09"),
        alarm("23:59:58", "Every Day"), alarm("06:00:00", "Every Day", AlarmText::noDate, {}, false),
        alarm("09:00:00", "Every Day"), alarm("12:00:00", "None Every", "2026/12/10"),
        alarm("07:00:00", "Wed"),
    };
    QTest::newRow("asleep over one midnight")
        << night << at(12, 8, QTime(23, 59, 53)) << at(12, 9, QTime(8, 0)) << false
        << QStringList{"2 2026-12-08", "0 2026-12-09", "6 2026-12-09", "1 2026-12-09"};
    QTest::newRow("over three midnights")
        << night << at(12, 7, QTime(22, 0)) << at(12, 10, QTime(8, 0)) << false
        << QStringList{"2 2026-12-07", "0 2026-12-08", "4 2026-12-08", "2 2026-12-08", "0 2026-12-09",
                       "6 2026-12-09", "1 2026-12-09", "4 2026-12-09", "2 2026-12-09", "0 2026-12-10"};
    QTest::newRow("the midnight of a running program")
        << QList<AlarmEvent>{alarm("23:59:59", "Every Day"), alarm("00:00:00", "Every Day")}
        << at(12, 8, QTime(23, 59, 59, 505)) << at(12, 9, QTime(0, 0)) << false << QStringList{};
    QTest::newRow("noticed in the first minute: its events still fire")
        << QList<AlarmEvent>{alarm("23:30:00", "Every Day"), alarm("00:00:10", "Every Day")} << at(12, 8, QTime(23, 0))
        << at(12, 9, QTime(0, 0)) << false << QStringList{"0 2026-12-08"};

    // Friday 11 to Monday 14 December, the computer off.
    const QList<AlarmEvent> weekend{
        alarm("08:00:00", "Monthly", AlarmText::noDate, "12 14 "),
        alarm("10:00:00", "Sat"),
        alarm("09:00:00", "Mon"),
        alarm("07:00:00", "Sun"),
        alarm("19:00:00", "Fri"),
        alarm("11:00:00", "Monthly", AlarmText::noDate, "13"),
        alarm("17:00:00", "Fri"),
    };
    QTest::newRow("off over a weekend") << weekend << at(12, 11, QTime(18, 0)) << at(12, 14, QTime(8, 30)) << false
                                        << QStringList{"4 2026-12-11", "0 2026-12-12", "1 2026-12-12", "3 2026-12-13",
                                                       "0 2026-12-14"};
    QTest::newRow("all alarms disabled") << weekend << at(12, 11, QTime(18, 0)) << at(12, 14, QTime(8, 30)) << true
                                         << QStringList{};
    QTest::newRow("the last watch in the future")
        << weekend << at(12, 14, QTime(8, 30)) << at(12, 11, QTime(18, 0)) << false << QStringList{};
}

void TestMissedAlarms::spans()
{
    QFETCH(QList<AlarmEvent>, events);
    QFETCH(QDateTime, watchedUntil);
    QFETCH(QDateTime, resumedAt);
    QFETCH(bool, disabled);
    QFETCH(QStringList, expected);

    const std::vector<AlarmEvent> list(events.begin(), events.end());
    const MissedAlarms missed = findMissedAlarms(list, watchedUntil, resumedAt, disabled, 100);
    QCOMPARE(named(missed), expected);
    QCOMPARE(missed.total, expected.size());
}

void TestMissedAlarms::reportText()
{
    AlarmEvent wake = alarm("07:00:00", "Every Day");
    wake.message = QStringLiteral("Wake up\r\nand shine");
    const std::vector<AlarmEvent> events{wake, alarm("06:00:00", "Mon")};
    const auto date = [](const QDate& day) { return day.toString(QStringLiteral("dd/MM/yyyy")); };
    const auto time = [](const QString& time24) { return time24 + QStringLiteral("AM"); };

    const MissedAlarms month =
        findMissedAlarms(events, at(11, 30, QTime(12, 0)), at(12, 25, QTime(12, 0)), false, MissedText::listedLines);
    QCOMPARE(month.total, 25 + 3);
    const QStringList lines = missedAlarmsReport(month, events, date, time).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 1 + 20 + 1);
    QCOMPARE(lines.first(), QStringLiteral("Missed while the program was not watching:"));
    QCOMPARE(lines.at(1), QStringLiteral("01/12/2026 - 07:00:00AM  Every Day  Wake up"));
    QCOMPARE(lines.at(7), QStringLiteral("07/12/2026 - 06:00:00AM  Mon"));
    QCOMPARE(lines.last(), QStringLiteral("and 8 more"));

    QVERIFY(missedAlarmsReport(findMissedAlarms(events, at(12, 1, QTime(8, 0)), at(12, 1, QTime(9, 0)), false, 20),
                               events, date, time)
                .isEmpty());
}

QTEST_GUILESS_MAIN(TestMissedAlarms)
#include "tst_missedalarms.moc"
