#include "core/vocabulary.h"

#include <QtTest>

class TestVocabulary : public QObject
{
    Q_OBJECT

private slots:
    void schedules_data();
    void schedules();
    void playTimes_data();
    void playTimes();
    void weekdays();
};

void TestVocabulary::schedules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("listIndex"); // -1: not a schedule

    const QStringList names{"None", "None Every", "Every Day", "Monthly", "Mon", "Tue",
                            "Wed",  "Thu",        "Fri",       "Sat",     "Sun"};
    for (int i = 0; i < names.size(); ++i)
        QTest::addRow("%s", qPrintable(names[i])) << names[i] << i;
    QTest::newRow("lower case") << "monthly" << -1;
    QTest::newRow("monthly with days") << "Monthly 1 15 " << -1;
    QTest::newRow("trailing blank") << "Mon " << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestVocabulary::schedules()
{
    QFETCH(QString, text);
    QFETCH(int, listIndex);

    const std::optional<Schedule> value = scheduleNamed(text);
    QCOMPARE(value.has_value(), listIndex >= 0);
    if (!value)
        return;
    QCOMPARE(static_cast<int>(*value), listIndex);
    QCOMPARE(nameOf(*value), text);
    QCOMPARE(scheduleNames().at(listIndex), text);
}

void TestVocabulary::playTimes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("listIndex");

    QTest::newRow("Once") << "Once" << 0;
    QTest::newRow("Twice") << "Twice" << 1;
    QTest::newRow("Thrice") << "Thrice" << 2;
    QTest::newRow("Repeat") << "Repeat" << 3;
    QTest::newRow("upper case") << "ONCE" << -1;
    QTest::newRow("a number") << "2" << -1;
}

void TestVocabulary::playTimes()
{
    QFETCH(QString, text);
    QFETCH(int, listIndex);

    const std::optional<PlayTimes> value = playTimesNamed(text);
    QCOMPARE(value.has_value(), listIndex >= 0);
    if (!value)
        return;
    QCOMPARE(static_cast<int>(*value), listIndex);
    QCOMPARE(nameOf(*value), text);
    QCOMPARE(playTimesNames().at(listIndex), text);
}

void TestVocabulary::weekdays()
{
    // 2026/12/07 is a Monday.
    const QDate monday(2026, 12, 7);
    const QStringList expected{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    QStringList names;
    for (int i = 0; i < 7; ++i)
        names << nameOf(weeklySchedule(monday.addDays(i).dayOfWeek()));
    QCOMPARE(names, expected);
}

QTEST_APPLESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
