#include "alarms/timegrid.h"

#include <QtTest>

class TestTimeGrid : public QObject
{
    Q_OBJECT

private slots:
    void gridForNow_data();
    void gridForNow();
    void conversions_data();
    void conversions();
    void padTwoDigits();
};

void TestTimeGrid::gridForNow_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("cells");
    QTest::newRow("after midnight") << QTime(0, 5, 9) << "12:05:09AM";
    QTest::newRow("morning") << QTime(7, 5, 9) << "07:05:09AM";
    QTest::newRow("noon") << QTime(12, 0, 0) << "12:00:00PM";
    QTest::newRow("evening") << QTime(19, 30, 59) << "07:30:59PM";
    QTest::newRow("last second") << QTime(23, 59, 59) << "11:59:59PM";
}

void TestTimeGrid::gridForNow()
{
    QFETCH(QTime, time);
    QFETCH(QString, cells);
    const TimeGridCells grid = timeGridForNow(time);
    QCOMPARE(grid[0] + grid[1] + grid[2] + grid[3] + grid[4] + grid[5], cells);
}

void TestTimeGrid::conversions_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("time24");
    QTest::newRow("7:05:00 PM") << QStringList{"7", ":", "5", ":", "0", "PM"} << "07:05:00PM"
                                << "19:05:00";
    QTest::newRow("7:05:00 AM") << QStringList{"7", ":", "5", ":", "0", "AM"} << "07:05:00AM"
                                << "07:05:00";
    QTest::newRow("12:30:00 AM") << QStringList{"12", ":", "30", ":", "00", "AM"} << "12:30:00AM"
                                 << "00:30:00";
    QTest::newRow("12:30:00 PM") << QStringList{"12", ":", "30", ":", "00", "PM"} << "12:30:00PM"
                                 << "12:30:00";
    QTest::newRow("9:00:00 AM") << QStringList{"9", ":", "00", ":", "00", "AM"} << "09:00:00AM"
                                << "09:00:00";
}

void TestTimeGrid::conversions()
{
    QFETCH(QStringList, cells);
    QFETCH(QString, display);
    QFETCH(QString, time24);
    TimeGridCells grid;
    std::copy(cells.begin(), cells.end(), grid.begin());
    QCOMPARE(GridDisplayTime(grid), display);
    QCOMPARE(GridTime24(grid), time24);
    // An event's own time shows again as the same grid.
    const TimeGridCells back = timeGridForTime24(time24);
    QCOMPARE(GridTime24(back), time24);
}

void TestTimeGrid::padTwoDigits()
{
    QCOMPARE(PadTwoDigits("7"), QStringLiteral("07"));
    QCOMPARE(PadTwoDigits("07"), QStringLiteral("07"));
    QCOMPARE(PadTwoDigits(""), QString());
    QCOMPARE(PadTwoDigits("123"), QString());
}

QTEST_GUILESS_MAIN(TestTimeGrid)
#include "tst_timegrid.moc"
