// SPDX-License-Identifier: GPL-3.0-or-later
#include "testevent.h"
#include "trigger/duescan.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(QList<AlarmEvent>)

namespace {
AlarmEvent makeEvent(const QString& time24, const QString& date, const QString& schedule = QStringLiteral("None"),
                     bool enabled = true, const QString& activeIgnore = AlarmText::active, const QString& days = {})
{
    AlarmEvent e = testEvent(time24, date, schedule);
    e.enabled = enabled;
    e.activeIgnore = activeIgnore;
    e.days = days;
    return e;
}

// A Monday.
const QDateTime monday(QDate(2026, 12, 7), QTime(10, 0, 0));
const QString today = QStringLiteral("2026/12/07");
} // namespace

class TestDueScan : public QObject
{
    Q_OBJECT

private slots:
    void scheduleMatchesToday_data();
    void scheduleMatchesToday();
    void weekdayIgnoresLocale();
    void findDueRow_data();
    void findDueRow();
};

void TestDueScan::scheduleMatchesToday_data()
{
    QTest::addColumn<QString>("schedule");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("expected");

    const QDate mon(2026, 12, 7), tue(2026, 12, 15), sun(2026, 12, 13), first(2026, 12, 1);
    QTest::newRow("None never repeats") << "None"
                                        << "" << mon << false;
    QTest::newRow("None Every never repeats") << "None Every"
                                              << "" << mon << false;
    QTest::newRow("Every Day") << "Every Day"
                               << "" << tue << true;
    QTest::newRow("Mon on a Monday") << "Mon"
                                     << "" << mon << true;
    QTest::newRow("Mon on a Tuesday") << "Mon"
                                      << "" << tue << false;
    QTest::newRow("Sun on a Sunday") << "Sun"
                                     << "" << sun << true;
    QTest::newRow("weekday is case-sensitive") << "mon"
                                               << "" << mon << false;
    QTest::newRow("Monthly on the 15th") << "Monthly"
                                         << "1 15 " << tue << true;
    QTest::newRow("Monthly on the 1st") << "Monthly"
                                        << "1 15 " << first << true;
    QTest::newRow("Monthly on another day") << "Monthly"
                                            << "1 15 " << mon << false;
    QTest::newRow("Monthly last number without blank") << "Monthly"
                                                       << "1 15" << tue << false;
    QTest::newRow("Monthly first number still counts") << "Monthly"
                                                       << "1 15" << first << true;
    QTest::newRow("Monthly leading zero") << "Monthly"
                                          << "07 " << mon << true;
    QTest::newRow("Monthly garbage skipped") << "Monthly"
                                             << "x  7 " << mon << true;
    QTest::newRow("Monthly empty days") << "Monthly"
                                        << "" << mon << false;
    QTest::newRow("Monthly with more text") << "Monthly "
                                            << "7 " << mon << false;
    QTest::newRow("Monthly with days ignores weekday") << "Monthly"
                                                       << "8 " << mon << false;
    QTest::newRow("unknown schedule") << "Daily"
                                      << "7 " << mon << false;
}

void TestDueScan::scheduleMatchesToday()
{
    QFETCH(QString, schedule);
    QFETCH(QString, days);
    QFETCH(QDate, today);
    QFETCH(bool, expected);
    QCOMPARE(ScheduleMatchesToday(schedule, days, today), expected);
    QCOMPARE(DueScan(QDateTime(today, QTime(12, 0))).scheduleMatches(schedule, days), expected);
}

void TestDueScan::weekdayIgnoresLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const bool english = ScheduleMatchesToday(QStringLiteral("Mon"), {}, monday.date());
    const bool german = ScheduleMatchesToday(QStringLiteral("Mo."), {}, monday.date());
    QLocale::setDefault(saved);
    QVERIFY(english);
    QVERIFY(!german);
}

void TestDueScan::findDueRow_data()
{
    QTest::addColumn<QList<AlarmEvent>>("events");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("examined");

    const QTime ten(10, 0, 0);
    const QString other = QStringLiteral("2026/12/06");
    const QString noDate = AlarmText::noDate;
    QTest::newRow("empty list") << QList<AlarmEvent>{} << ten << -1 << "";
    QTest::newRow("time reached") << QList{makeEvent("09:59:59", today)} << ten << 0 << today;
    QTest::newRow("same second") << QList{makeEvent("10:00:00", today)} << ten << 0 << today;
    QTest::newRow("a second early") << QList{makeEvent("10:00:01", today)} << ten << -1 << today;
    QTest::newRow("unchecked is not examined") << QList{makeEvent("09:00:00", today, "None", false)} << ten << -1 << "";
    QTest::newRow("Ignore is not examined")
        << QList{makeEvent("09:00:00", today, "None", true, AlarmText::ignore)} << ten << -1 << "";
    QTest::newRow("any state but Ignore fires")
        << QList{makeEvent("09:00:00", today, "None", true, "")} << ten << 0 << today;
    QTest::newRow("upper row first") << QList{makeEvent("10:00:00", today), makeEvent("10:00:00", today)} << ten << 0
                                     << today;
    QTest::newRow("lower row when upper unchecked")
        << QList{makeEvent("10:00:00", today, "None", false), makeEvent("10:00:00", today)} << ten << 1 << today;
    QTest::newRow("lower row when upper fired")
        << QList{makeEvent("10:00:00", today, "None", true, AlarmText::ignore), makeEvent("10:00:00", today)} << ten
        << 1 << today;
    QTest::newRow("later row whose time came")
        << QList{makeEvent("11:00:00", today), makeEvent("09:30:00", today)} << ten << 1 << today;
    QTest::newRow("another day") << QList{makeEvent("09:00:00", other)} << ten << -1 << today;
    QTest::newRow("Every Day") << QList{makeEvent("09:00:00", noDate, "Every Day")} << ten << 0 << today;
    QTest::newRow("weekday whatever the date") << QList{makeEvent("09:00:00", other, "Mon")} << ten << 0 << today;
    QTest::newRow("other weekday") << QList{makeEvent("09:00:00", noDate, "Tue")} << ten << -1 << today;
    QTest::newRow("today's date beats weekday") << QList{makeEvent("09:00:00", today, "Tue")} << ten << 0 << today;
    QTest::newRow("Monthly day") << QList{makeEvent("09:00:00", noDate, "Monthly", true, AlarmText::active, "1 7 ")}
                                 << ten << 0 << today;
    QTest::newRow("unpadded time orders as text") << QList{makeEvent("9:00:00", today)} << ten << -1 << today;
    QTest::newRow("midnight event just after midnight")
        << QList{makeEvent("00:00:10", today)} << QTime(0, 0, 10) << 0 << today;
}

void TestDueScan::findDueRow()
{
    QFETCH(QList<AlarmEvent>, events);
    QFETCH(QTime, now);
    QFETCH(int, expected);
    QFETCH(QString, examined);

    QString lastExamineDate;
    const std::vector<AlarmEvent> rows(events.begin(), events.end());
    QCOMPARE(::findDueRow(rows, QDateTime(monday.date(), now), &lastExamineDate), expected);
    QCOMPARE(lastExamineDate, examined);
}

QTEST_APPLESS_MAIN(TestDueScan)
#include "tst_duescan.moc"
