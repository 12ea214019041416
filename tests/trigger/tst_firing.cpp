// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/firing.h"

#include "alarms/dateformats.h"

#include <QTest>

class TestFiring : public QObject
{
    Q_OBJECT

private slots:
    void messageText_data();
    void messageText();
    void removal_data();
    void removal();
};

void TestFiring::messageText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("time24");
    QTest::addColumn<QString>("expected");

    QTest::newRow("evening") << "Tea"
                             << "19:05:09"
                             << "Tea at 07:05:09PM";
    QTest::newRow("midnight") << "Sleep"
                              << "00:00:10"
                              << "Sleep at 12:00:10AM";
    QTest::newRow("noon") << "Lunch"
                          << "12:30:00"
                          << "Lunch at 12:30:00PM";
    QTest::newRow("line breaks kept") << "one\r\ntwo"
                                      << "08:00:00"
                                      << "one\r\ntwo at 08:00:00AM";
}

void TestFiring::messageText()
{
    QFETCH(QString, message);
    QFETCH(QString, time24);
    QFETCH(QString, expected);
    QCOMPARE(alarmMessageText(message, time24, DateFormats(QLocale::c())), expected);
}

void TestFiring::removal_data()
{
    QTest::addColumn<QString>("schedule");
    QTest::addColumn<bool>("option");
    QTest::addColumn<bool>("expected");

    QTest::newRow("None with the option") << "None" << true << true;
    QTest::newRow("None without the option") << "None" << false << false;
    QTest::newRow("None Every stays") << "None Every" << true << false;
    QTest::newRow("Every Day stays") << "Every Day" << true << false;
    QTest::newRow("weekday stays") << "Mon" << true << false;
}

void TestFiring::removal()
{
    QFETCH(QString, schedule);
    QFETCH(bool, option);
    QFETCH(bool, expected);
    QCOMPARE(removeAfterFiring(schedule, option), expected);
}

QTEST_APPLESS_MAIN(TestFiring)
#include "tst_firing.moc"
