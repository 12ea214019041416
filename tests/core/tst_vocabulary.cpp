// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vocabulary.h"

#include <QtTest>

namespace {
template <typename Value>
void checkNamed(std::optional<Value> value, const QString& text, int listIndex, const QStringList& names)
{
    QCOMPARE(value.has_value(), listIndex >= 0);
    if (!value)
        return;
    QCOMPARE(static_cast<int>(*value), listIndex);
    QCOMPARE(nameOf(*value), text);
    QCOMPARE(names.at(listIndex), text);
}
} // namespace

class TestVocabulary : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void weekdays();
};

void TestVocabulary::roundTrip_data()
{
    QTest::addColumn<bool>("isSchedule");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("listIndex"); // -1: no value has this name

    const QStringList schedules{"None", "None Every", "Every Day", "Monthly", "Mon", "Tue",
                                "Wed",  "Thu",        "Fri",       "Sat",     "Sun"};
    for (int i = 0; i < schedules.size(); ++i)
        QTest::addRow("%s", qPrintable(schedules[i])) << true << schedules[i] << i;
    const QStringList playTimes{"Once", "Twice", "Thrice", "Repeat"};
    for (int i = 0; i < playTimes.size(); ++i)
        QTest::addRow("%s", qPrintable(playTimes[i])) << false << playTimes[i] << i;

    QTest::newRow("lower case") << true << "monthly" << -1;
    QTest::newRow("monthly with days") << true << "Monthly 1 15 " << -1;
    QTest::newRow("trailing blank") << true << "Mon " << -1;
    QTest::newRow("empty") << true << "" << -1;
    QTest::newRow("play times upper case") << false << "ONCE" << -1;
    QTest::newRow("play times as a number") << false << "2" << -1;
}

void TestVocabulary::roundTrip()
{
    QFETCH(bool, isSchedule);
    QFETCH(QString, text);
    QFETCH(int, listIndex);

    if (isSchedule)
        checkNamed(scheduleNamed(text), text, listIndex, scheduleNames());
    else
        checkNamed(playTimesNamed(text), text, listIndex, playTimesNames());
}

void TestVocabulary::weekdays()
{
    const QDate monday(2026, 12, 7);
    QStringList names;
    for (int i = 0; i < 7; ++i)
        names << nameOf(weeklySchedule(monday.addDays(i).dayOfWeek()));
    QCOMPARE(names, QStringList({"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}));
}

QTEST_APPLESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
