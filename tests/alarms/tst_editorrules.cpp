// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/editorrules.h"

#include <QtTest>

namespace {
const QString today = QStringLiteral("2026/12/07");
const QString now = QStringLiteral("10:00:00");

EditorEntry entry(const QString& schedule, const QString& date, const QString& time24)
{
    EditorEntry e;
    e.playTimes = QStringLiteral("Twice");
    e.schedule = schedule;
    e.song = QStringLiteral("Bell");
    e.songSelected = true;
    e.chosenDate = date;
    e.dateCaption = QStringLiteral("07/12/2026");
    e.displayTime = QStringLiteral("07:05:00PM");
    e.time24 = time24;
    e.thoseDays = QStringLiteral("1 15 ");
    return e;
}
} // namespace

class TestEditorRules : public QObject
{
    Q_OBJECT

private slots:
    void refusal_data();
    void refusal();
    void newRow_data();
    void newRow();
    void listIndexes_data();
    void listIndexes();
};

void TestEditorRules::refusal_data()
{
    QTest::addColumn<QString>("schedule");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time24");
    QTest::addColumn<bool>("songSelected");
    QTest::addColumn<QString>("refusal");
    const QString dayPassed = QStringLiteral("Day was passed.");
    const QString timePassed = QStringLiteral("Alarm Time was passed.");
    QTest::newRow("None, today, later") << "None" << today << "10:00:01" << true << QString();
    QTest::newRow("None, today, same second") << "None" << today << "10:00:00" << true << QString();
    QTest::newRow("None, today, earlier") << "None" << today << "09:59:59" << true << timePassed;
    QTest::newRow("None Every, today, earlier") << "None Every" << today << "09:00:00" << true << QString();
    QTest::newRow("Every Day, today, earlier") << "Every Day" << today << "09:00:00" << true << QString();
    QTest::newRow("Every Day, yesterday") << "Every Day"
                                          << "2026/12/06"
                                          << "23:00:00" << true << dayPassed;
    QTest::newRow("None, last year") << "None"
                                     << "2025/12/31"
                                     << "23:00:00" << true << dayPassed;
    QTest::newRow("None, tomorrow, earlier") << "None"
                                             << "2026/12/08"
                                             << "01:00:00" << true << QString();
    QTest::newRow("no song") << "Mon" << today << "11:00:00" << false
                             << "Selected no song! Please select a song to play sound.";
    QTest::newRow("past day before no song") << "Mon"
                                             << "2026/12/01"
                                             << "11:00:00" << false << dayPassed;
}

void TestEditorRules::refusal()
{
    QFETCH(QString, schedule);
    QFETCH(QString, date);
    QFETCH(QString, time24);
    QFETCH(bool, songSelected);
    QFETCH(QString, refusal);
    EditorEntry e = entry(schedule, date, time24);
    e.songSelected = songSelected;
    QCOMPARE(EditorRules::addRefusal(e, today, now), refusal);
}

void TestEditorRules::newRow_data()
{
    QTest::addColumn<QString>("schedule");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time24");
    QTest::addColumn<QString>("dateTime");
    QTest::addColumn<QString>("dateColumn");
    QTest::addColumn<QString>("activeIgnore");
    QTest::addColumn<QString>("days");
    QTest::newRow("None later today") << "None" << today << "19:05:00"
                                      << "07/12/2026 - 07:05:00PM" << today << "Active"
                                      << "";
    QTest::newRow("None Every keeps its date") << "None Every" << today << "19:05:00"
                                               << "07/12/2026 - 07:05:00PM" << today << "Active"
                                               << "";
    QTest::newRow("Every Day already past") << "Every Day" << today << "09:00:00"
                                            << "07:05:00PM"
                                            << "-1"
                                            << "Ignore"
                                            << "";
    QTest::newRow("future date, earlier time") << "None"
                                               << "2026/12/20"
                                               << "08:00:00"
                                               << "07/12/2026 - 07:05:00PM"
                                               << "2026/12/20"
                                               << "Ignore"
                                               << "";
    QTest::newRow("Monthly keeps its days") << "Monthly" << today << "19:05:00"
                                            << "07:05:00PM"
                                            << "-1"
                                            << "Active"
                                            << "1 15 ";
    QTest::newRow("weekday") << "Sun" << today << "19:05:00"
                             << "07:05:00PM"
                             << "-1"
                             << "Active"
                             << "";
}

void TestEditorRules::newRow()
{
    QFETCH(QString, schedule);
    QFETCH(QString, date);
    QFETCH(QString, time24);
    QFETCH(QString, dateTime);
    QFETCH(QString, dateColumn);
    QFETCH(QString, activeIgnore);
    QFETCH(QString, days);
    EditorEntry e = entry(schedule, date, time24);
    e.run = QStringLiteral("xterm -e top");
    e.message = QStringLiteral("Tea\r\nnow");
    e.imageIndex = 1;
    const AlarmEvent event = EditorRules::newEvent(e, now);
    QVERIFY(event.enabled);
    QCOMPARE(event.playTimes, QStringLiteral("Twice"));
    QCOMPARE(event.dateTime, dateTime);
    QCOMPARE(event.schedule, schedule);
    QCOMPARE(event.message, QStringLiteral("Tea\r\nnow"));
    QCOMPARE(event.soundRun, QStringLiteral("Bell*xterm -e top"));
    QCOMPARE(event.date, dateColumn);
    QCOMPARE(event.time24, time24);
    QCOMPARE(event.activeIgnore, activeIgnore);
    QCOMPARE(event.days, days);
    QCOMPARE(event.imageIndex, 1);
}

void TestEditorRules::listIndexes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("playTimes");
    QTest::addColumn<int>("schedule");
    QTest::newRow("Repeat") << "Repeat" << 3 << 0;
    QTest::newRow("Thrice") << "Thrice" << 2 << 0;
    QTest::newRow("Monthly") << "Monthly" << 0 << 3;
    QTest::newRow("Sun") << "Sun" << 0 << 10;
    QTest::newRow("unknown") << "Fortnightly" << 0 << 0;
    QTest::newRow("case matters") << "mon" << 0 << 0;
}

void TestEditorRules::listIndexes()
{
    QFETCH(QString, text);
    QFETCH(int, playTimes);
    QFETCH(int, schedule);
    QCOMPARE(EditorRules::playTimesIndex(text), playTimes);
    QCOMPARE(EditorRules::scheduleIndex(text), schedule);
}

QTEST_GUILESS_MAIN(TestEditorRules)
#include "tst_editorrules.moc"
