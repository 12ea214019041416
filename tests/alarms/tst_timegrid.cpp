// SPDX-License-Identifier: GPL-3.0-or-later
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
    void separatorsAreSkipped_data();
    void separatorsAreSkipped();
    void arrowsWrapAround_data();
    void arrowsWrapAround();
    void typedNumberMovesArrows_data();
    void typedNumberMovesArrows();
    void cellsError_data();
    void cellsError();
    void keysAndMarker();
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

void TestTimeGrid::separatorsAreSkipped_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("selected");
    QTest::newRow("right from hour") << 1 << 0 << 2;
    QTest::newRow("left from minute") << 1 << 2 << 0;
    QTest::newRow("right from minute") << 3 << 2 << 4;
    QTest::newRow("left from second") << 3 << 4 << 2;
    QTest::newRow("click on first colon from AM/PM stays") << 1 << 5 << 5;
    QTest::newRow("click on second colon from hour stays") << 3 << 0 << 0;
    QTest::newRow("number cell") << 4 << 0 << 4;
    QTest::newRow("marker cell") << 5 << 4 << 5;
}

void TestTimeGrid::separatorsAreSkipped()
{
    QFETCH(int, asked);
    QFETCH(int, current);
    QFETCH(int, selected);
    QCOMPARE(TimeGrid::columnToSelect(asked, current), selected);
}

void TestTimeGrid::arrowsWrapAround_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("moved");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("position");
    QTest::newRow("hour up past 12") << 0 << 13 << true << 1;
    QTest::newRow("hour down past 1") << 0 << 0 << false << 12;
    QTest::newRow("hour up inside") << 0 << 12 << true << 12;
    QTest::newRow("minute up past 59") << 2 << 60 << true << 0;
    QTest::newRow("minute down past 0") << 2 << -1 << false << 59;
    QTest::newRow("second down inside") << 4 << 0 << false << 0;
    QTest::newRow("marker up to the end") << 5 << 3 << true << 0;
    QTest::newRow("marker down to the end") << 5 << -1 << false << 2;
}

void TestTimeGrid::arrowsWrapAround()
{
    QFETCH(int, column);
    QFETCH(int, moved);
    QFETCH(bool, up);
    QFETCH(int, position);
    QCOMPARE(TimeGrid::wrappedPosition(moved, TimeGrid::upDownRange(column), up), position);
}

void TestTimeGrid::typedNumberMovesArrows_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("position");
    QTest::newRow("hour 13") << 0 << 13 << 1;
    QTest::newRow("hour 0") << 0 << 0 << 1;
    QTest::newRow("hour 12") << 0 << 12 << 12;
    QTest::newRow("minute 0") << 2 << 0 << 0;
    QTest::newRow("minute 60") << 2 << 60 << 0;
    QTest::newRow("second 59") << 4 << 59 << 59;
}

void TestTimeGrid::typedNumberMovesArrows()
{
    QFETCH(int, column);
    QFETCH(int, value);
    QFETCH(int, position);
    QCOMPARE(TimeGrid::upDownPositionFor(column, value), position);
}

void TestTimeGrid::cellsError_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("error");
    QTest::newRow("valid without zeros") << QStringList{"7", ":", "5", ":", "0", "PM"} << QString();
    QTest::newRow("hour 13") << QStringList{"13", ":", "05", ":", "00", "AM"} << "Invalid input : hour";
    QTest::newRow("hour 0") << QStringList{"0", ":", "05", ":", "00", "AM"} << "Invalid input : hour";
    QTest::newRow("hour empty") << QStringList{"", ":", "05", ":", "00", "AM"} << "Invalid input : hour";
    QTest::newRow("minute 60") << QStringList{"12", ":", "60", ":", "00", "AM"} << "Invalid input : minute";
    QTest::newRow("minute empty") << QStringList{"12", ":", "", ":", "00", "AM"} << "Invalid input : minute";
    QTest::newRow("second empty") << QStringList{"12", ":", "00", ":", "", "AM"} << "Invalid input : second";
    QTest::newRow("hour before minute") << QStringList{"0", ":", "99", ":", "", "AM"} << "Invalid input : hour";
    QTest::newRow("no marker") << QStringList{"12", ":", "00", ":", "00", "am"}
                               << "Invalid input : not AM or PM found [unexpected error]!";
}

void TestTimeGrid::cellsError()
{
    QFETCH(QStringList, cells);
    QFETCH(QString, error);
    TimeGridCells grid;
    std::copy(cells.begin(), cells.end(), grid.begin());
    QCOMPARE(TimeGrid::cellsError(grid), error);
}

void TestTimeGrid::keysAndMarker()
{
    QVERIFY(TimeGrid::acceptsKey(0, QLatin1Char('7')));
    QVERIFY(TimeGrid::acceptsKey(4, QLatin1Char('\b')));
    QVERIFY(!TimeGrid::acceptsKey(2, QLatin1Char('a')));
    QVERIFY(!TimeGrid::acceptsKey(2, QLatin1Char('-')));
    QVERIFY(!TimeGrid::acceptsKey(5, QLatin1Char('1')));
    QCOMPARE(TimeGrid::toggledMarker("AM"), QStringLiteral("PM"));
    QCOMPARE(TimeGrid::toggledMarker("PM"), QStringLiteral("AM"));
    QCOMPARE(TimeGrid::toggledMarker("xx"), QStringLiteral("AM"));
}

QTEST_GUILESS_MAIN(TestTimeGrid)
#include "tst_timegrid.moc"
