// SPDX-License-Identifier: GPL-3.0-or-later
// The tray window with the three program windows on fakes: the start-up's tray decision, the
// tray menu, and switching the icon from the settings window.
#include "alarms/alarmlistmodel.h"
#include "mainwindowfixture.h"
#include "tray/tform2.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

namespace {
const QByteArray everyDay = "evt*-1*23:30:00*On*NoShell*Once*Every Day*Bell*-1*Wake\r\n";

int trayWindowCount()
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += qobject_cast<TForm2*>(window) ? 1 : 0;
    return count;
}

TForm2* trayWindow(MainWindowFixture& f)
{
    return f.window->findChild<TForm2*>(QStringLiteral("TForm2"));
}

QAction* trayItem(MainWindowFixture& f, const char* name)
{
    TForm2* tray = trayWindow(f);
    return tray ? tray->findChild<QAction*>(QLatin1String(name)) : nullptr;
}

QMenu* trayMenu(MainWindowFixture& f)
{
    return trayWindow(f)->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
}

const QString noArea = QStringLiteral("No notification area was found: the program runs without its tray icon.");
constexpr int trayWaitTicks = 20; // ten seconds of half-second looks

/// Lets the start-up's wait for a notification area look `ticks` more times, as its timer would.
bool stepTrayWait(TfrmMain& w, int ticks)
{
    auto* wait = w.findChild<QTimer*>(QStringLiteral("TrayWaitTimer"));
    for (int i = 0; i < ticks; ++i) {
        if (!wait || !wait->isActive() || !QMetaObject::invokeMethod(wait, "timeout"))
            return false;
    }
    return true;
}

/// Right-clicks the tray icon and returns the menu that opened.
QMenu* openTrayMenu(MainWindowFixture& f)
{
    emit f.platform.tray.rightPressed(QPoint(600, 500));
    QMenu* menu = trayWindow(f) ? trayMenu(f) : nullptr;
    return menu && menu->isVisible() ? menu : nullptr;
}

QCheckBox* trayBox(MainWindowFixture& f)
{
    return f.setup->findChild<QCheckBox*>(QStringLiteral("chkInTray"));
}
} // namespace

class TestTForm2 : public QObject
{
    Q_OBJECT

private slots:
    void trayDecision_data();
    void trayDecision();
    void exitOnlyHidesInTrayMode();
    void menuItemsInOrder();
    void leftPressStopsTheSoundAndOpensNothing();
    void disablingThroughTheMenu();
    void reenablingSavesAndReloads();
    void removeEndsWithTheWindowHidden();
    void alarmSetShowsTheMainWindow();
    void menuCommandsRunTheMainWindowsOwn_data();
    void menuCommandsRunTheMainWindowsOwn();
    void handedMenuFollowsTheMainWindow();
    void switchingTheIconOnAndOff();
    void switchingOnWhenStartedInTrayMakesNoSecond();
    void noNotificationArea_data();
    void noNotificationArea();
    void lateNotificationAreaIsWaitedFor();
    void switchingOnWithoutANotificationArea();
};

void TestTForm2::trayDecision_data()
{
    QTest::addColumn<QString>("startup");
    QTest::addColumn<QString>("inTray");
    QTest::addColumn<bool>("trayMode");
    QTest::addColumn<bool>("mainShown");
    QTest::newRow("neither") << "0"
                             << "0" << false << true;
    QTest::newRow("icon in tray") << "0"
                                  << "1" << true << true;
    QTest::newRow("start in tray") << "1"
                                   << "0" << true << false;
    QTest::newRow("both") << "1"
                          << "1" << true << false;
}

void TestTForm2::trayDecision()
{
    QFETCH(QString, startup);
    QFETCH(QString, inTray);
    QFETCH(bool, trayMode);
    QFETCH(bool, mainShown);
    MainWindowFixture f;
    f.platform.settings.values["Check Startup"] = startup;
    f.platform.settings.values["Check In Tray"] = inTray;
    TfrmMain& w = f.start();
    QCOMPARE(w.trayMode(), trayMode);
    QCOMPARE(w.isVisible(), mainShown);
    QCOMPARE(trayWindowCount(), trayMode ? 1 : 0);
    QCOMPARE(f.platform.tray.shown, trayMode);
    QVERIFY(control<QTimer>(w, "MainTimer")->isActive());
    if (trayMode) {
        QVERIFY(!trayWindow(f)->isVisible());
        QCOMPARE(f.platform.tray.tip, QStringLiteral("Zib Alarm Clock v2.2"));
    }
}

void TestTForm2::exitOnlyHidesInTrayMode()
{
    MainWindowFixture f;
    f.platform.settings.values["Check In Tray"] = "1";
    TfrmMain& w = f.start();
    QSignalSpy quit(&w, &TfrmMain::quitRequested);
    QTest::mouseClick(control<QPushButton>(w, "btnExit"), Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(quit.size(), 0);
    QVERIFY(f.platform.tray.shown);
}

void TestTForm2::menuItemsInOrder()
{
    MainWindowFixture f;
    f.platform.settings.values["Check In Tray"] = "1";
    f.start();
    QMenu* menu = openTrayMenu(f);
    QVERIFY(menu);
    QStringList names;
    QStringList captions;
    for (QAction* item : menu->actions()) {
        names.append(item->objectName());
        captions.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    QCOMPARE(names, QStringList({"About1", "N1", "mnuAlarmSet", "mnuShow", "mnuSettings", "N2", "mnuSubHelp", "mnuStop",
                                 "N3", "mnuDisabled", "Remove1"}));
    QCOMPARE(captions, QStringList({"About", "-", "Alarm Set", "Show", "Settings", "-", "Help", "Stop", "-", "Disabled",
                                    "Remove"}));
    menu->hide();
}

void TestTForm2::leftPressStopsTheSoundAndOpensNothing()
{
    MainWindowFixture f;
    f.platform.settings.values["Check Startup"] = "1";
    f.start();
    f.platform.wave.calls.clear();
    emit f.platform.tray.leftPressed(QPoint(600, 500));
    QCOMPARE(f.platform.wave.calls.size(), 1);
    QVERIFY(f.platform.wave.calls.first().stop);
    QVERIFY(!trayMenu(f)->isVisible());
    QVERIFY(!f.window->isVisible());
    QVERIFY(!f.setup->isVisible());
    trayItem(f, "mnuStop")->trigger();
    QCOMPARE(f.platform.wave.calls.size(), 2);
    QVERIFY(f.platform.wave.calls.last().stop);
}

void TestTForm2::disablingThroughTheMenu()
{
    MainWindowFixture f;
    f.platform.settings.values["Check Startup"] = "1";
    f.writeEvents(everyDay);
    TfrmMain& w = f.start();
    const QColor enabledBase = control<QTreeView>(w, "lvMain")->palette().color(QPalette::Base);
    TForm2* tray = trayWindow(f);
    QAction* mnuDisabled = trayItem(f, "mnuDisabled");

    QMenu* menu = openTrayMenu(f);
    QVERIFY(menu);
    QVERIFY(!mnuDisabled->isChecked());
    mnuDisabled->trigger();
    menu->hide();
    QVERIFY(control<QToolButton>(w, "btnDisabledAll")->isChecked());
    QVERIFY(!control<QTimer>(w, "MainTimer")->isActive());
    QVERIFY(control<QTreeView>(w, "lvMain")->palette().color(QPalette::Base) != enabledBase);
    QCOMPARE(f.platform.tray.icon.cacheKey(), tray->trayImage(TForm2::AlarmsDisabled).cacheKey());

    menu = openTrayMenu(f);
    QVERIFY(menu);
    QVERIFY(mnuDisabled->isChecked());
    menu->hide();

    // The button under the list moves the menu's check and the icon as well.
    QTest::mouseClick(control<QToolButton>(w, "btnDisabledAll"), Qt::LeftButton);
    QCOMPARE(f.platform.tray.icon.cacheKey(), tray->trayImage(TForm2::AlarmsEnabled).cacheKey());
    menu = openTrayMenu(f);
    QVERIFY(menu);
    QVERIFY(!mnuDisabled->isChecked());
    menu->hide();
}

void TestTForm2::reenablingSavesAndReloads()
{
    MainWindowFixture f;
    f.platform.settings.values["Check In Tray"] = "1";
    f.platform.clock.setTime(QTime(23, 0, 0));
    f.writeEvents(everyDay);
    TfrmMain& w = f.start();
    TForm2* tray = trayWindow(f);
    QAction* mnuDisabled = trayItem(f, "mnuDisabled");
    mnuDisabled->trigger();
    QVERIFY(!control<QTimer>(w, "MainTimer")->isActive());

    // The event's time passes while everything is disabled, and the file goes away.
    f.platform.clock.setTime(QTime(23, 45, 0));
    QVERIFY(QFile::remove(f.platform.programFile("events.acl")));
    mnuDisabled->trigger();
    QVERIFY(!control<QToolButton>(w, "btnDisabledAll")->isChecked());
    QVERIFY(control<QTimer>(w, "MainTimer")->isActive());
    QCOMPARE(f.events(), everyDay);
    QCOMPARE(w.alarms().rowCount(), 1);
    QCOMPARE(w.alarms().at(0).activeIgnore, QStringLiteral("Ignore"));
    QCOMPARE(f.platform.tray.icon.cacheKey(), tray->trayImage(TForm2::AlarmsEnabled).cacheKey());
}

void TestTForm2::removeEndsWithTheWindowHidden()
{
    MainWindowFixture f;
    f.platform.settings.values["Check Startup"] = "1";
    TfrmMain& w = f.start();
    QVERIFY(!w.isVisible());
    QSignalSpy quit(&w, &TfrmMain::quitRequested);
    trayItem(f, "Remove1")->trigger();
    QCOMPARE(quit.size(), 1);
}

void TestTForm2::alarmSetShowsTheMainWindow()
{
    MainWindowFixture f;
    f.platform.settings.values["Check Startup"] = "1";
    TfrmMain& w = f.start();
    w.showMinimized();
    w.hide();
    f.platform.taskbar.hide();
    trayItem(f, "mnuAlarmSet")->trigger();
    QVERIFY(w.isVisible());
    QVERIFY(!w.isMinimized());
    QVERIFY(f.platform.taskbar.isShown());
}

void TestTForm2::menuCommandsRunTheMainWindowsOwn_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("command");
    QTest::newRow("show") << "mnuShow"
                          << "mShow";
    QTest::newRow("settings") << "mnuSettings"
                              << "mnuSettings";
    QTest::newRow("help") << "mnuSubHelp"
                          << "smACHelp";
}

void TestTForm2::menuCommandsRunTheMainWindowsOwn()
{
    QFETCH(QString, item);
    QFETCH(QString, command);
    MainWindowFixture f;
    f.platform.settings.values["Check Startup"] = "1";
    TfrmMain& w = f.start();
    auto* own = w.findChild<QAction*>(command);
    QVERIFY(own);
    QSignalSpy ran(own, &QAction::triggered);
    QAction* trayCommand = trayItem(f, item.toLatin1().constData());
    trayCommand->trigger();
    QCOMPARE(ran.size(), 1);
    f.setup->hide();
    f.clock->hide();

    // A command the main window cannot offer is greyed in the tray menu as it opens.
    own->setEnabled(false);
    QMenu* menu = openTrayMenu(f);
    QVERIFY(menu);
    QVERIFY(!trayCommand->isEnabled());
    menu->hide();
    own->setEnabled(true);
    menu = openTrayMenu(f);
    QVERIFY(trayCommand->isEnabled());
    menu->hide();
}

void TestTForm2::handedMenuFollowsTheMainWindow()
{
    // A StatusNotifierItem host shows the menu it was handed as it last read it, and triggers its
    // actions: that menu is the tray window's and follows the main window without being opened.
    MainWindowFixture f;
    f.platform.settings.values["Check Startup"] = "1";
    f.writeEvents(everyDay);
    TfrmMain& w = f.start();
    QCOMPARE(f.platform.tray.menu, trayMenu(f));
    QAction* mnuDisabled = trayItem(f, "mnuDisabled");
    QTest::mouseClick(control<QToolButton>(w, "btnDisabledAll"), Qt::LeftButton);
    QVERIFY(mnuDisabled->isChecked());
    w.findChild<QAction*>("mnuSettings")->setEnabled(false);
    QVERIFY(!trayItem(f, "mnuSettings")->isEnabled());

    mnuDisabled->trigger();
    QVERIFY(!control<QToolButton>(w, "btnDisabledAll")->isChecked());
    QVERIFY(control<QTimer>(w, "MainTimer")->isActive());
    QCOMPARE(f.platform.tray.icon.cacheKey(), trayWindow(f)->trayImage(TForm2::AlarmsEnabled).cacheKey());
    QVERIFY(!trayMenu(f)->isVisible());
}

void TestTForm2::switchingTheIconOnAndOff()
{
    MainWindowFixture f;
    f.platform.settings.values["Check In Tray"] = "1";
    TfrmMain& w = f.start();
    QTest::mouseClick(control<QPushButton>(w, "btnExit"), Qt::LeftButton);
    QVERIFY(!w.isVisible());

    QTest::mouseClick(trayBox(f), Qt::LeftButton);
    QCOMPARE(f.platform.settings.values["Check In Tray"], QStringLiteral("0"));
    QCOMPARE(trayWindowCount(), 0);
    QVERIFY(!f.platform.tray.shown);
    QVERIFY(!w.trayMode());
    QVERIFY(w.isVisible());

    // Back on while everything is disabled: the new icon shows that at once.
    QTest::mouseClick(control<QToolButton>(w, "btnDisabledAll"), Qt::LeftButton);
    QTest::mouseClick(trayBox(f), Qt::LeftButton);
    QCOMPARE(trayWindowCount(), 1);
    QVERIFY(w.trayMode());
    QVERIFY(f.platform.tray.shown);
    QCOMPARE(f.platform.tray.icon.cacheKey(), trayWindow(f)->trayImage(TForm2::AlarmsDisabled).cacheKey());
    QCOMPARE(f.platform.tray.menu, trayMenu(f));
    QVERIFY(trayItem(f, "mnuDisabled")->isChecked());
}

void TestTForm2::switchingOnWhenStartedInTrayMakesNoSecond()
{
    MainWindowFixture f;
    f.platform.settings.values["Check Startup"] = "1";
    f.platform.settings.values["Check In Tray"] = "0";
    f.start();
    QTest::mouseClick(trayBox(f), Qt::LeftButton);
    QCOMPARE(f.platform.settings.values["Check In Tray"], QStringLiteral("1"));
    QCOMPARE(trayWindowCount(), 1);
    QCOMPARE(f.platform.tray.shows, 1);
}

void TestTForm2::noNotificationArea_data()
{
    QTest::addColumn<QString>("startup");
    QTest::newRow("icon in tray") << "0";
    QTest::newRow("start in tray") << "1";
}

void TestTForm2::noNotificationArea()
{
    QFETCH(QString, startup);
    MainWindowFixture f;
    f.platform.tray.hasArea = false;
    f.platform.settings.values["Check Startup"] = startup;
    f.platform.settings.values["Check In Tray"] = "1";
    TfrmMain& w = f.start();
    QVERIFY(stepTrayWait(w, trayWaitTicks - 1));
    QCOMPARE(f.platform.dialogs.texts(), QStringList());
    QVERIFY(stepTrayWait(w, 1));
    QCOMPARE(f.platform.dialogs.texts(), QStringList{noArea});
    QVERIFY(!w.findChild<QTimer*>("TrayWaitTimer")->isActive());
    QVERIFY(!w.trayMode());
    QVERIFY(w.isVisible());
    QCOMPARE(trayWindowCount(), 0);
    QVERIFY(control<QTimer>(w, "MainTimer")->isActive());
    // The next start neither waits nor says it again.
    QVERIFY(!trayBox(f)->isChecked());
    QCOMPARE(f.platform.settings.values["Check In Tray"], QStringLiteral("0"));

    // Without tray mode, Exit ends the program.
    QSignalSpy quit(&w, &TfrmMain::quitRequested);
    QTest::mouseClick(control<QPushButton>(w, "btnExit"), Qt::LeftButton);
    QCOMPARE(quit.size(), 1);
}

void TestTForm2::lateNotificationAreaIsWaitedFor()
{
    MainWindowFixture f;
    f.platform.tray.hasArea = false;
    f.platform.settings.values["Check Startup"] = "1";
    TfrmMain& w = f.start();
    QTimer* wait = w.findChild<QTimer*>("TrayWaitTimer");
    QVERIFY(wait && wait->isActive());
    QCOMPARE(wait->interval(), 500);
    QVERIFY(stepTrayWait(w, 6));
    QCOMPARE(trayWindowCount(), 0);
    control<QToolButton>(w, "btnDisabledAll")->click();

    f.platform.tray.hasArea = true;
    QVERIFY(stepTrayWait(w, 1));
    QVERIFY(!wait->isActive());
    QCOMPARE(trayWindowCount(), 1);
    QVERIFY(f.platform.tray.shown);
    QCOMPARE(f.platform.tray.icon.cacheKey(), trayWindow(f)->trayImage(TForm2::AlarmsDisabled).cacheKey());
    QVERIFY(w.trayMode());
    QVERIFY(!w.isVisible());
    QCOMPARE(f.platform.dialogs.texts(), QStringList());
}

void TestTForm2::switchingOnWithoutANotificationArea()
{
    MainWindowFixture f;
    f.platform.tray.hasArea = false;
    TfrmMain& w = f.start();
    QVERIFY(!w.findChild<QTimer*>("TrayWaitTimer"));
    QTest::mouseClick(trayBox(f), Qt::LeftButton);
    QCOMPARE(f.platform.dialogs.texts(), QStringList{noArea});
    QVERIFY(!trayBox(f)->isChecked());
    QCOMPARE(f.platform.settings.values["Check In Tray"], QStringLiteral("0"));
    QCOMPARE(trayWindowCount(), 0);
    QVERIFY(!w.trayMode());
}

QTEST_MAIN(TestTForm2)
#include "tst_tform2.moc"
