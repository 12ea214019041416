// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/sortkeys.h"
#include "testevent.h"

#include <QtTest>

namespace {
// 2026/12/07 is a Monday.
const QDate monday(2026, 12, 7);
const QString arrowUp = QStringLiteral("  ->");
const QString arrowDown = QStringLiteral("  <-");

AlarmEvent row(const QString& schedule, const QString& date, const QString& time24)
{
    return testEvent(time24, date, schedule);
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}
} // namespace

class TestSortKeys : public QObject
{
    Q_OBJECT

private slots:
    void compareRows_data();
    void compareRows();
    void headerAfterClick_data();
    void headerAfterClick();
};

void TestSortKeys::compareRows_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("lastExamineDate");
    QTest::addColumn<QString>("captionBefore");
    QTest::addColumn<AlarmEvent>("a");
    QTest::addColumn<AlarmEvent>("b");
    QTest::addColumn<int>("expected");

    const AlarmEvent everyDay7 = row("Every Day", "-1", "07:00:00");
    const AlarmEvent tomorrow6 = row("None", "2026/12/08", "06:00:00");
    const AlarmEvent monday23 = row("Mon", "-1", "23:00:00");
    const AlarmEvent today8 = row("None Every", "2026/12/07", "08:00:00");
    const AlarmEvent dated2027 = row("None", "2027/01/01", "00:00:00");

    QTest::newRow("PT: every day before tomorrow") << 0 << monday << ""
                                                   << "" << everyDay7 << tomorrow6 << -1;
    QTest::newRow("PT: today's weekday before a dated row of today, before the scan") << 0 << monday << ""
                                                                                      << "" << monday23 << today8 << -1;
    QTest::newRow("PT: dated row of today counts once the scan stored today, then by time")
        << 0 << monday << "2026/12/07"
        << "" << monday23 << today8 << 1;
    QTest::newRow("PT: not today, ordered by date and time") << 0 << monday << ""
                                                             << "" << dated2027 << tomorrow6 << 1;
    QTest::newRow("PT: weekday row on another day takes today's date in its key") << 0 << monday.addDays(1) << ""
                                                                                  << "" << monday23 << tomorrow6 << 1;
    QTest::newRow("PT: Sunday's row on a Sunday") << 0 << monday.addDays(6) << ""
                                                  << "" << row("Sun", "-1", "23:00:00") << tomorrow6 << -1;
    QTest::newRow("PT: the same whatever the captions say") << 0 << monday << ""
                                                            << "Date - Time  ->" << everyDay7 << tomorrow6 << -1;
    QTest::newRow("Date - Time ascending: every day takes today") << 1 << monday << ""
                                                                  << "Date - Time" << everyDay7 << tomorrow6 << -1;
    QTest::newRow("Date - Time ascending after a descending sort") << 1 << monday << ""
                                                                   << "Date - Time  <-" << everyDay7 << tomorrow6 << -1;
    QTest::newRow("Date - Time descending after an ascending sort") << 1 << monday << ""
                                                                    << "Date - Time  ->" << everyDay7 << tomorrow6 << 1;
    QTest::newRow("Date - Time: weekday row by today's date on any day") << 1 << monday.addDays(2) << ""
                                                                         << "Date - Time" << monday23 << tomorrow6 << 1;
    QTest::newRow("Date - Time: only the first 8 characters of the time")
        << 1 << monday << ""
        << "Date - Time" << row("None", "2026/12/07", "08:00:00X") << today8 << 0;
    QTest::newRow("Schedule ascending") << 2 << monday << ""
                                        << "Schedule" << today8 << tomorrow6 << 1;
    QTest::newRow("Schedule descending") << 2 << monday << ""
                                         << "Schedule  ->" << today8 << tomorrow6 << -1;
    QTest::newRow("Schedule ignores ASCII case") << 2 << monday << ""
                                                 << "Schedule" << row("every day", "-1", "01:00:00") << everyDay7 << 0;
    QTest::newRow("Schedule folds no other letters")
        << 2 << monday << ""
        << "Schedule" << row("\u00e9", "-1", "01:00:00") << row("\u00c9", "-1", "01:00:00") << 1;
    QTest::newRow("Message does not sort") << 3 << monday << ""
                                           << "" << dated2027 << tomorrow6 << 0;
}

void TestSortKeys::compareRows()
{
    QFETCH(int, column);
    QFETCH(QDate, today);
    QFETCH(QString, lastExamineDate);
    QFETCH(QString, captionBefore);
    QFETCH(AlarmEvent, a);
    QFETCH(AlarmEvent, b);
    QFETCH(int, expected);
    const SortKeys::Context context = SortKeys::contextFor(today, lastExamineDate, captionBefore, captionBefore);
    QCOMPARE(sign(SortKeys::compare(column, a, b, context)), expected);
    QCOMPARE(sign(SortKeys::compare(column, b, a, context)), -expected);
}

void TestSortKeys::headerAfterClick_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("dateTimeBefore");
    QTest::addColumn<QString>("scheduleBefore");
    QTest::addColumn<QString>("dateTimeAfter");
    QTest::addColumn<QString>("scheduleAfter");
    QTest::addColumn<bool>("image");

    const QString dt = QStringLiteral("Date - Time");
    const QString s = QStringLiteral("Schedule");
    QTest::newRow("PT resets both and shows the image") << 0 << dt + arrowUp << s + arrowDown << dt << s << true;
    QTest::newRow("first Date - Time click") << 1 << dt << s + arrowUp << dt + arrowUp << s << false;
    QTest::newRow("second Date - Time click") << 1 << dt + arrowUp << s << dt + arrowDown << s << false;
    QTest::newRow("third Date - Time click") << 1 << dt + arrowDown << s << dt + arrowUp << s << false;
    QTest::newRow("first Schedule click") << 2 << dt + arrowDown << s << dt << s + arrowUp << false;
    QTest::newRow("second Schedule click") << 2 << dt << s + arrowUp << dt << s + arrowDown << false;
    QTest::newRow("third Schedule click") << 2 << dt << s + arrowDown << dt << s + arrowUp << false;
}

void TestSortKeys::headerAfterClick()
{
    QFETCH(int, column);
    QFETCH(QString, dateTimeBefore);
    QFETCH(QString, scheduleBefore);
    QFETCH(QString, dateTimeAfter);
    QFETCH(QString, scheduleAfter);
    QFETCH(bool, image);
    const std::optional<SortKeys::Header> header = SortKeys::headerAfterSort(column, dateTimeBefore, scheduleBefore);
    QVERIFY(header);
    QCOMPARE(header->dateTimeCaption, dateTimeAfter);
    QCOMPARE(header->scheduleCaption, scheduleAfter);
    QCOMPARE(header->playTimesImage, image);
    QVERIFY(!SortKeys::headerAfterSort(ColMessage, dateTimeBefore, scheduleBefore));
}

QTEST_APPLESS_MAIN(TestSortKeys)
#include "tst_sortkeys.moc"
