// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/clocktexts.h"

#include <QLocale>
#include <QTest>

class TestClockTexts : public QObject
{
    Q_OBJECT

private slots:
    void time_data();
    void time();
    void dates_data();
    void dates();
    void weekdayNames_data();
    void weekdayNames();
    void digitsSize_data();
    void digitsSize();
    void storedPosition_data();
    void storedPosition();
};

void TestClockTexts::time_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("twentyFour");
    QTest::addColumn<bool>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("12h seconds, evening") << QTime(19, 5, 9) << false << true << "07 : 05 : 09  PM";
    QTest::newRow("12h, evening") << QTime(19, 5, 9) << false << false << "07 : 05  PM";
    QTest::newRow("24h seconds") << QTime(19, 5, 9) << true << true << "19 : 05 : 09";
    QTest::newRow("24h") << QTime(19, 5, 9) << true << false << "19 : 05";
    QTest::newRow("midnight is 12 AM") << QTime(0, 0, 0) << false << true << "12 : 00 : 00  AM";
    QTest::newRow("24h midnight") << QTime(0, 7, 0) << true << false << "00 : 07";
    QTest::newRow("noon is 12 PM") << QTime(12, 0, 1) << false << true << "12 : 00 : 01  PM";
    QTest::newRow("last morning second") << QTime(11, 59, 59) << false << true << "11 : 59 : 59  AM";
}

void TestClockTexts::time()
{
    QFETCH(QTime, time);
    QFETCH(bool, twentyFour);
    QFETCH(bool, seconds);
    QTEST(ClockTexts::time(time, twentyFour, seconds), "text");
}

void TestClockTexts::dates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("weekday");
    QTest::newRow("Sunday") << QDate(2026, 12, 6) << "Sun. 6 Dec 2026"
                            << "6  Dec" << 1;
    QTest::newRow("Saturday") << QDate(2026, 12, 12) << "Sat. 12 Dec 2026"
                              << "12  Dec" << 7;
    QTest::newRow("New Year") << QDate(2027, 1, 1) << "Fri. 1 Jan 2027"
                              << "1  Jan" << 6;
    QTest::newRow("leap day") << QDate(2028, 2, 29) << "Tue. 29 Feb 2028"
                              << "29  Feb" << 3;
}

void TestClockTexts::dates()
{
    QFETCH(QDate, date);
    // Names stay English under any locale.
    QLocale::setDefault(QLocale(QLocale::German));
    QTEST(ClockTexts::fullDate(date), "full");
    QTEST(ClockTexts::dateLabel(date), "label");
    QTEST(ClockTexts::weekdayNumber(date), "weekday");
    QLocale::setDefault(QLocale::c());
}

void TestClockTexts::weekdayNames_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::newRow("1") << 1 << "Sunday";
    QTest::newRow("4") << 4 << "Wednesday";
    QTest::newRow("7") << 7 << "Saturday";
    QTest::newRow("none yet") << 0 << "";
    QTest::newRow("8") << 8 << "";
}

void TestClockTexts::weekdayNames()
{
    QFETCH(int, number);
    QTEST(ClockTexts::weekdayName(number), "name");
}

void TestClockTexts::digitsSize_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("size"); // 0: ignored
    QTest::newRow("8") << "8" << 8;
    QTest::newRow("12") << "12" << 12;
    QTest::newRow("13") << "13" << 0;
    QTest::newRow("7") << "7" << 0;
    QTest::newRow("leading zero") << "08" << 0;
    QTest::newRow("blank") << " 9" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestClockTexts::digitsSize()
{
    QFETCH(QString, stored);
    QTEST(ClockTexts::digitsSize(stored).value_or(0), "size");
}

void TestClockTexts::storedPosition_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("position"); // -1: not applied
    QTest::newRow("inside") << "300" << 300;
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("0") << "0" << -1;
    QTest::newRow("tucked -15") << "-15" << -1;
    QTest::newRow("screen extent") << "768" << -1;
    QTest::newRow("last pixel") << "767" << 767;
    QTest::newRow("not a number") << "12px" << -1;
}

void TestClockTexts::storedPosition()
{
    QFETCH(QString, stored);
    QTEST(ClockTexts::storedPosition(stored, 768).value_or(-1), "position");
}

QTEST_APPLESS_MAIN(TestClockTexts)
#include "tst_clocktexts.moc"
