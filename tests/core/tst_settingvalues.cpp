// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingvalues.h"

#include <QTest>

class TestSettingValues : public QObject
{
    Q_OBJECT

private slots:
    void flags_data();
    void flags();
    void integer_data();
    void integer();
    void intInRange_data();
    void intInRange();
};

void TestSettingValues::flags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("defaultOff");
    QTest::addColumn<bool>("defaultOn");

    QTest::newRow("empty") << "" << false << true;
    QTest::newRow("one") << "1" << true << true;
    QTest::newRow("zero") << "0" << false << false;
    QTest::newRow("blank before zero") << " 0" << false << true;
    QTest::newRow("blank before one") << " 1" << false << true;
    QTest::newRow("leading zero") << "01" << false << true;
    QTest::newRow("true") << "true" << false << true;
    QTest::newRow("zero zero") << "00" << false << true;
}

void TestSettingValues::flags()
{
    QFETCH(QString, text);
    QFETCH(bool, defaultOff);
    QFETCH(bool, defaultOn);
    QCOMPARE(SettingValues::flagDefaultOff(text), defaultOff);
    QCOMPARE(SettingValues::flagDefaultOn(text), defaultOn);
    // What is written reads back as the same state under either default.
    for (bool on : {false, true}) {
        QCOMPARE(SettingValues::flagDefaultOff(SettingValues::flagText(on)), on);
        QCOMPARE(SettingValues::flagDefaultOn(SettingValues::flagText(on)), on);
    }
}

void TestSettingValues::integer_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("expected");

    QTest::newRow("empty") << "" << std::optional<int>();
    QTest::newRow("plain") << "12" << std::optional<int>(12);
    QTest::newRow("zero") << "0" << std::optional<int>(0);
    QTest::newRow("negative") << "-15" << std::optional<int>(-15);
    QTest::newRow("letters") << "abc" << std::optional<int>();
    QTest::newRow("trailing letters") << "12abc" << std::optional<int>();
    QTest::newRow("leading blank") << " 12" << std::optional<int>();
    QTest::newRow("trailing blank") << "12 " << std::optional<int>();
    QTest::newRow("plus sign") << "+12" << std::optional<int>();
    QTest::newRow("minus alone") << "-" << std::optional<int>();
    QTest::newRow("double minus") << "--1" << std::optional<int>();
    QTest::newRow("hex") << "0x10" << std::optional<int>();
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662") << std::optional<int>();
    QTest::newRow("int max") << "2147483647" << std::optional<int>(2147483647);
    QTest::newRow("beyond int") << "2147483648" << std::optional<int>();
    QTest::newRow("leading zeros") << "007" << std::optional<int>(7);
}

void TestSettingValues::integer()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, expected);
    QCOMPARE(SettingValues::integer(text), expected);
}

void TestSettingValues::intInRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<bool>("applied");

    // Column widths: greater than 10 and less than 400.
    QTest::newRow("column 10") << "10" << 11 << 399 << false;
    QTest::newRow("column 11") << "11" << 11 << 399 << true;
    QTest::newRow("column 399") << "399" << 11 << 399 << true;
    QTest::newRow("column 400") << "400" << 11 << 399 << false;
    // Clock top on a 768 high screen: greater than 0 and less than the height.
    QTest::newRow("top 0") << "0" << 1 << 767 << false;
    QTest::newRow("top -15") << "-15" << 1 << 767 << false;
    QTest::newRow("top 767") << "767" << 1 << 767 << true;
    QTest::newRow("top 768") << "768" << 1 << 767 << false;
    // Message font size: from 7 to 128.
    QTest::newRow("font 6") << "6" << 7 << 128 << false;
    QTest::newRow("font 7") << "7" << 7 << 128 << true;
    QTest::newRow("font 128") << "128" << 7 << 128 << true;
    QTest::newRow("font 129") << "129" << 7 << 128 << false;
    QTest::newRow("font not a number") << "12abc" << 7 << 128 << false;
    QTest::newRow("font empty") << "" << 7 << 128 << false;
}

void TestSettingValues::intInRange()
{
    QFETCH(QString, text);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(bool, applied);
    const std::optional<int> value = SettingValues::intInRange(text, min, max);
    QCOMPARE(value.has_value(), applied);
    if (applied)
        QCOMPARE(*value, text.toInt());
}

QTEST_APPLESS_MAIN(TestSettingValues)
#include "tst_settingvalues.moc"
