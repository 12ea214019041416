// SPDX-License-Identifier: GPL-3.0-or-later
// Header clicks on the alarm list, as the user makes them.
#include "alarms/alarmlistmodel.h"
#include "mainwindowfixture.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

namespace {
// The fake clock's day, 2026/12/07, is a Monday.
const QByteArray events = "evt*2026/12/08*06:00:00*On*NoShell*Once*None*Bell*-1*Tomorrow\r\n"
                          "evt*-1*07:00:00*On*NoShell*Once*Every Day*Bell*-1*Daily\r\n"
                          "evt*-1*05:00:00*On*NoShell*Once*Tue*Bell*-1*Tuesday\r\n";

QStringList messages(TfrmMain& w)
{
    QStringList result;
    for (const AlarmEvent& event : w.alarms().events())
        result.append(event.message);
    return result;
}

QStringList captions(TfrmMain& w)
{
    return {w.alarms().headerCaption(ColDateTime), w.alarms().headerCaption(ColSchedule)};
}

void clickHeader(TfrmMain& w, int column)
{
    QHeaderView* header = control<QTreeView>(w, "lvMain")->header();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

bool hasHeaderImage(TfrmMain& w)
{
    return !w.alarms().headerData(ColPlayTimes, Qt::Horizontal, Qt::DecorationRole).value<QIcon>().isNull();
}
} // namespace

class TestListSort : public QObject
{
    Q_OBJECT

private slots:
    void clicksSortAndFlipCaptions();
    void messageAndEmptyListChangeNothing();
    void selectionStaysOnItsEvent();
    void playTimesSortShowsTheFirstRow();
};

void TestListSort::clicksSortAndFlipCaptions()
{
    MainWindowFixture f;
    f.writeEvents(events);
    TfrmMain& w = f.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // "Every Day" and weekday rows take today's date in their key.
    clickHeader(w, ColDateTime);
    QCOMPARE(messages(w), QStringList({"Tuesday", "Daily", "Tomorrow"}));
    QCOMPARE(captions(w), QStringList({"Date - Time  ->", "Schedule"}));
    clickHeader(w, ColDateTime);
    QCOMPARE(messages(w), QStringList({"Tomorrow", "Daily", "Tuesday"}));
    QCOMPARE(captions(w), QStringList({"Date - Time  <-", "Schedule"}));

    clickHeader(w, ColSchedule);
    QCOMPARE(messages(w), QStringList({"Daily", "Tomorrow", "Tuesday"}));
    QCOMPARE(captions(w), QStringList({"Date - Time", "Schedule  ->"}));
    clickHeader(w, ColSchedule);
    QCOMPARE(messages(w), QStringList({"Tuesday", "Tomorrow", "Daily"}));
    QCOMPARE(captions(w), QStringList({"Date - Time", "Schedule  <-"}));
    QVERIFY(!hasHeaderImage(w));
    // A quick second click, which Qt reports as a double click, is a click all the same.
    QTest::mouseDClick(control<QTreeView>(w, "lvMain")->header()->viewport(), Qt::LeftButton, {},
                       QPoint(control<QTreeView>(w, "lvMain")->header()->sectionViewportPosition(ColSchedule) + 5, 5));
    QCOMPARE(captions(w), QStringList({"Date - Time", "Schedule  ->"}));

    clickHeader(w, ColPlayTimes);
    QCOMPARE(messages(w), QStringList({"Daily", "Tuesday", "Tomorrow"}));
    QCOMPARE(captions(w), QStringList({"Date - Time", "Schedule"}));
    QVERIFY(hasHeaderImage(w));
    // Sorting is not saving.
    QCOMPARE(f.events(), events);
}

void TestListSort::messageAndEmptyListChangeNothing()
{
    MainWindowFixture f;
    f.writeEvents(events);
    TfrmMain& w = f.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    clickHeader(w, ColSchedule);
    const QStringList order = messages(w);
    clickHeader(w, ColMessage);
    QCOMPARE(messages(w), order);
    QCOMPARE(captions(w), QStringList({"Date - Time", "Schedule  ->"}));

    // On an empty list a click changes nothing.
    QTest::mouseClick(control<QPushButton>(w, "btnClearAll"), Qt::LeftButton);
    clickHeader(w, ColDateTime);
    QCOMPARE(captions(w), QStringList({"Date - Time", "Schedule  ->"}));
    QVERIFY(!hasHeaderImage(w));
}

void TestListSort::selectionStaysOnItsEvent()
{
    MainWindowFixture f;
    f.writeEvents(events);
    f.writeFile("Bell.wav", {});
    TfrmMain& w = f.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    control<QTreeView>(w, "lvMain")->setFocus(Qt::MouseFocusReason);
    control<QTreeView>(w, "lvMain")->setCurrentIndex(w.alarms().index(0, 1));
    clickHeader(w, ColDateTime);
    QCOMPARE(messages(w).indexOf("Tomorrow"), 2);
    QTest::mouseClick(control<QToolButton>(w, "btnDelete"), Qt::LeftButton);
    QCOMPARE(messages(w), QStringList({"Tuesday", "Daily"}));

    // The row being edited is still the one that Add replaces.
    control<QTreeView>(w, "lvMain")->setFocus(Qt::MouseFocusReason);
    control<QTreeView>(w, "lvMain")->setCurrentIndex(w.alarms().index(1, 1));
    QTest::mouseClick(control<QPushButton>(w, "btnEdit"), Qt::LeftButton);
    QVERIFY(control<QPushButton>(w, "btnEdit")->isChecked());
    clickHeader(w, ColPlayTimes);
    QCOMPARE(messages(w), QStringList({"Daily", "Tuesday"}));
    QVERIFY(control<QPushButton>(w, "btnEdit")->isChecked());
    QTest::mouseClick(control<QPushButton>(w, "btnAdd"), Qt::LeftButton);
    QCOMPARE(f.platform.dialogs.texts(), QStringList());
    QCOMPARE(w.alarms().rowCount(), 2);
    QCOMPARE(w.alarms().at(0).message, QStringLiteral("Tuesday"));
}

void TestListSort::playTimesSortShowsTheFirstRow()
{
    MainWindowFixture f;
    QByteArray many;
    for (int hour = 0; hour < 24; ++hour)
        many += QStringLiteral("evt*-1*%1:00:00*On*NoShell*Once*Every Day*Bell*-1*At %1\r\n")
                    .arg(hour, 2, 10, QLatin1Char('0'))
                    .toLatin1();
    f.writeEvents(many);
    TfrmMain& w = f.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    clickHeader(w, ColDateTime);
    clickHeader(w, ColDateTime);
    control<QTreeView>(w, "lvMain")->scrollToBottom();
    QVERIFY(control<QTreeView>(w, "lvMain")->verticalScrollBar()->value() > 0);
    clickHeader(w, ColPlayTimes);
    QCOMPARE(w.alarms().at(0).message, QStringLiteral("At 00"));
    QCOMPARE(control<QTreeView>(w, "lvMain")->verticalScrollBar()->value(), 0);
}

QTEST_MAIN(TestListSort)
#include "tst_listsort.moc"
