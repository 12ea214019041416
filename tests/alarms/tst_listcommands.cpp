// SPDX-License-Identifier: GPL-3.0-or-later
// The list buttons as the user presses them, checked on the list and on the file.
#include "alarms/alarmlistmodel.h"
#include "alarms/eventsfile.h"
#include "mainwindowfixture.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

namespace {
const QByteArray everyDay = "evt*-1*23:30:00*On*NoShell*Once*Every Day*Bell*-1*Wake\r\n";
const QByteArray monday = "evt*-1*22:00:00*On*Shellecho hi*Twice*Mon*Bell*-1*Team\r\n";
const QByteArray sunday = "evt*-1*21:00:00*On*NoShell*Once*Sun*Bell*-1*Rest\r\n";

void selectRow(TfrmMain& w, int row)
{
    control<QTreeView>(w, "lvMain")->setFocus(Qt::MouseFocusReason);
    control<QTreeView>(w, "lvMain")->setCurrentIndex(w.alarms().index(row, 1));
}
} // namespace

class TestListCommands : public QObject
{
    Q_OBJECT

private slots:
    void copyGivesAnUncheckedTwin();
    void deleteRemovesAndSaves();
    void noRowIsChosenAfterARowGoes_data();
    void noRowIsChosenAfterARowGoes();
    void listShowsTheMessagesFirstLine();
    void withoutSelectionOnlyBeep();
    void focusMovedAwayMeansNoSelection();
    void clearThenLoadBringsTheListBack();
    void startFinishesACutSave();
    void clearThenSaveWritesTheEmptyList();
    void escapeClears();
    void saveConfirms();
    void disablingStopsTheTimerAndReenablingReevaluates();
};

void TestListCommands::copyGivesAnUncheckedTwin()
{
    MainWindowFixture f;
    f.writeEvents(everyDay);
    TfrmMain& w = f.start();
    selectRow(w, 0);
    QTest::mouseClick(control<QToolButton>(w, "btnCopy"), Qt::LeftButton);
    QCOMPARE(w.alarms().rowCount(), 2);
    QVERIFY(!w.alarms().at(1).enabled);
    AlarmEvent twin = w.alarms().at(1);
    twin.enabled = true;
    QCOMPARE(twin, w.alarms().at(0));
    QCOMPARE(f.events(), everyDay + QByteArray(everyDay).replace("*On*", "*Off*"));
}

void TestListCommands::deleteRemovesAndSaves()
{
    MainWindowFixture f;
    f.writeEvents(everyDay + monday);
    TfrmMain& w = f.start();
    selectRow(w, 0);
    QTest::mouseClick(control<QToolButton>(w, "btnDelete"), Qt::LeftButton);
    QCOMPARE(w.alarms().rowCount(), 1);
    QCOMPARE(w.alarms().at(0).schedule, QStringLiteral("Mon"));
    QCOMPARE(f.events(), monday);
    QCOMPARE(f.platform.dialogs.beeps, 0);
}

void TestListCommands::noRowIsChosenAfterARowGoes_data()
{
    QTest::addColumn<bool>("replaceEdited");
    QTest::newRow("Delete") << false;
    QTest::newRow("Add replacing the edited row") << true;
}

void TestListCommands::noRowIsChosenAfterARowGoes()
{
    QFETCH(bool, replaceEdited);
    MainWindowFixture f;
    f.writeFile("Bell.wav", "RIFF");
    f.writeEvents(everyDay + monday + sunday);
    TfrmMain& w = f.start();
    selectRow(w, 0);
    if (replaceEdited) {
        QTest::mouseClick(control<QPushButton>(w, "btnEdit"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(w, "btnAdd"), Qt::LeftButton);
    } else {
        QTest::mouseClick(control<QToolButton>(w, "btnDelete"), Qt::LeftButton);
    }
    const QByteArray afterFirst = f.events();
    QVERIFY(!afterFirst.startsWith(everyDay));

    // The view moved on to a neighbour, but the user chose none: Delete, Copy and Edit only beep.
    QTest::mouseClick(control<QToolButton>(w, "btnDelete"), Qt::LeftButton);
    QTest::mouseClick(control<QToolButton>(w, "btnCopy"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(w, "btnEdit"), Qt::LeftButton);
    QCOMPARE(f.platform.dialogs.beeps, 3);
    QCOMPARE(f.events(), afterFirst);
    QVERIFY(!control<QPushButton>(w, "btnEdit")->isChecked());
    QVERIFY(!control<QTreeView>(w, "lvMain")->selectionModel()->hasSelection());
}

void TestListCommands::listShowsTheMessagesFirstLine()
{
    const QByteArray huge(3'000'000, 'm');
    const QByteArray file = "evt*-1*23:30:00*On*NoShell*Once*Every Day*Bell*-1*first#13#10second\r\n"
                            "evt*-1*23:30:00*On*NoShell*Once*Every Day*Bell*-1*" +
                            huge + "\r\n";
    MainWindowFixture f;
    f.writeEvents(file);
    TfrmMain& w = f.start();
    const AlarmListModel& list = w.alarms();
    QCOMPARE(list.data(list.index(0, ColMessage)).toString(), QStringLiteral("first"));
    QCOMPARE(list.data(list.index(1, ColMessage)).toString(), QString(1000, u'm'));
    // The row keeps the whole text, and so does the file.
    QCOMPARE(list.at(0).message, QStringLiteral("first\r\nsecond"));
    QCOMPARE(list.at(1).message.size(), huge.size());
    QTest::mouseClick(control<QToolButton>(w, "btnSave"), Qt::LeftButton);
    QCOMPARE(f.events(), file);
}

void TestListCommands::withoutSelectionOnlyBeep()
{
    MainWindowFixture f;
    f.writeEvents(everyDay);
    TfrmMain& w = f.start();
    QTest::mouseClick(control<QToolButton>(w, "btnDelete"), Qt::LeftButton);
    QTest::mouseClick(control<QToolButton>(w, "btnCopy"), Qt::LeftButton);
    QCOMPARE(f.platform.dialogs.beeps, 2);
    QCOMPARE(w.alarms().rowCount(), 1);
    QCOMPARE(f.events(), everyDay);
}

void TestListCommands::focusMovedAwayMeansNoSelection()
{
    MainWindowFixture f;
    f.writeEvents(everyDay);
    TfrmMain& w = f.start();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    selectRow(w, 0);
    control<QTableWidget>(w, "sgTime")->setFocus(Qt::MouseFocusReason);
    QVERIFY(control<QTreeView>(w, "lvMain")->selectionModel()->hasSelection());
    QTest::mouseClick(control<QToolButton>(w, "btnDelete"), Qt::LeftButton);
    QCOMPARE(f.platform.dialogs.beeps, 1);
    QCOMPARE(w.alarms().rowCount(), 1);
}

void TestListCommands::clearThenLoadBringsTheListBack()
{
    MainWindowFixture f;
    f.writeEvents(everyDay + monday);
    TfrmMain& w = f.start();
    QTest::mouseClick(control<QPushButton>(w, "btnClearAll"), Qt::LeftButton);
    QCOMPARE(w.alarms().rowCount(), 0);
    QCOMPARE(f.events(), everyDay + monday);
    QTest::mouseClick(control<QToolButton>(w, "sbLoad"), Qt::LeftButton);
    QCOMPARE(w.alarms().rowCount(), 2);
}

void TestListCommands::startFinishesACutSave()
{
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    MainWindowFixture f;
    // A save was killed after its journal was written and while it rewrote the file.
    f.writeEvents(everyDay.left(20));
    QCOMPARE(writeSaveJournal(f.platform.programFile("events.acl"), everyDay + monday, saveJournalFolder()), QString());
    TfrmMain& w = f.start();
    qunsetenv("XDG_STATE_HOME");
    QCOMPARE(f.platform.dialogs.texts(), QStringList());
    QCOMPARE(w.alarms().rowCount(), 2);
    QCOMPARE(f.events(), everyDay + monday);
    QCOMPARE(QDir(state.path() + "/zibac").entryList(QDir::Files), QStringList());
}

void TestListCommands::clearThenSaveWritesTheEmptyList()
{
    MainWindowFixture f;
    f.writeEvents(everyDay);
    TfrmMain& w = f.start();
    QTest::mouseClick(control<QPushButton>(w, "btnClearAll"), Qt::LeftButton);
    QTest::mouseClick(control<QToolButton>(w, "btnSave"), Qt::LeftButton);
    QCOMPARE(f.events(), QByteArray());
}

void TestListCommands::escapeClears()
{
    MainWindowFixture f;
    f.writeEvents(everyDay);
    TfrmMain& w = f.start();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    control<QComboBox>(w, "cbSchedule")->setFocus();
    QTest::keyClick(control<QComboBox>(w, "cbSchedule"), Qt::Key_Escape);
    QCOMPARE(w.alarms().rowCount(), 0);
    QCOMPARE(f.events(), everyDay);

    // Not while Clear is disabled.
    QTest::mouseClick(control<QToolButton>(w, "sbLoad"), Qt::LeftButton);
    control<QPushButton>(w, "btnClearAll")->setEnabled(false);
    QTest::keyClick(control<QComboBox>(w, "cbSchedule"), Qt::Key_Escape);
    QCOMPARE(w.alarms().rowCount(), 1);
}

void TestListCommands::saveConfirms()
{
    MainWindowFixture f;
    f.writeEvents(everyDay);
    TfrmMain& w = f.start();
    QTest::mouseClick(control<QToolButton>(w, "btnSave"), Qt::LeftButton);
    QCOMPARE(f.platform.dialogs.texts(), QStringList{"Data has been saved."});
    QCOMPARE(f.platform.dialogs.boxes.first().icon, Dialogs::Icon::Information);

    // A failed save shows only its own error.
    f.platform.dialogs.reset();
    QFile::remove(f.platform.programFile("events.acl"));
    QVERIFY(QDir(f.platform.programFolder.path()).mkdir("events.acl"));
    QTest::mouseClick(control<QToolButton>(w, "btnSave"), Qt::LeftButton);
    QCOMPARE(f.platform.dialogs.boxes.size(), 1);
    QVERIFY(f.platform.dialogs.boxes.first().text.startsWith("Error occurred when trying to open events.acl"));
}

void TestListCommands::disablingStopsTheTimerAndReenablingReevaluates()
{
    MainWindowFixture f;
    f.platform.clock.setTime(QTime(23, 0, 0));
    f.writeEvents(everyDay);
    TfrmMain& w = f.start();
    QCOMPARE(w.alarms().at(0).activeIgnore, QStringLiteral("Active"));
    const QColor enabledBase = control<QTreeView>(w, "lvMain")->palette().color(QPalette::Base);

    QTest::mouseClick(control<QToolButton>(w, "btnDisabledAll"), Qt::LeftButton);
    QVERIFY(control<QToolButton>(w, "btnDisabledAll")->isChecked());
    QVERIFY(!control<QTimer>(w, "MainTimer")->isActive());
    QVERIFY(control<QTreeView>(w, "lvMain")->palette().color(QPalette::Base) != enabledBase);
    QVERIFY(f.platform.taskbar.isShown());

    // The event's time passes while everything is disabled.
    f.platform.clock.setTime(QTime(23, 45, 0));
    QTest::mouseClick(control<QToolButton>(w, "btnDisabledAll"), Qt::LeftButton);
    QVERIFY(!control<QToolButton>(w, "btnDisabledAll")->isChecked());
    QVERIFY(control<QTimer>(w, "MainTimer")->isActive());
    QCOMPARE(control<QTreeView>(w, "lvMain")->palette().color(QPalette::Base), enabledBase);
    QCOMPARE(w.alarms().rowCount(), 1);
    QCOMPARE(w.alarms().at(0).activeIgnore, QStringLiteral("Ignore"));
    QCOMPARE(f.events(), everyDay);
}

QTEST_MAIN(TestListCommands)
#include "tst_listcommands.moc"
