// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/zibapplication.h"
#include "clock/tsmallclock.h"
#include "fakeplatform.h"
#include "mainwindowfixture.h"
#include "platform/instancelock.h"
#include "widgets/tlabel3d.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {
class FreeLock final : public InstanceLock
{
public:
    bool acquire() override { return true; }
};
} // namespace

class TestTSmallClock : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstStartDefaults();
    void storedChoicesAreApplied();
    void storedPositionOutsideIsIgnored_data();
    void storedPositionOutsideIsIgnored();
    void unknownDigitsSizeIsIgnored();
    void rightHotAreaTogglesTheFullDate();
    void leftHotAreaHidesAndKeepsTicking();
    void leftHotAreaOpensTheMenu();
    void menuItemsWriteTheirValues_data();
    void menuItemsWriteTheirValues();
    void menuItemsTakeEffect();
    void stopAsksForSilence();
    void closeStopsTheTick();
    void dragAboveTheTopTucksAndMovementDropsBack();
    void dragInsideTheScreenWritesThePlace();
    void showFromTheMainWindowUntucksWithoutWriting();
    void taskbarButtonFollowsTheWindows();
    void rightClickOnTheTimeBringsUpTheMainWindow();
    void dateHintNamesTheWeekday();
    void startShowsTheClockWhenOnAndWiresItToTheMainWindow_data();
    void startShowsTheClockWhenOnAndWiresItToTheMainWindow();

private:
    TSmallClock& create();
    QString tick();
    template <typename T> T* child(const char* name) const { return m_clock->findChild<T*>(QLatin1String(name)); }
    QAction* item(const char* name) const { return m_clock->findChild<QAction*>(QLatin1String(name)); }
    static void sendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button,
                          std::optional<QPoint> global = std::nullopt);
    void drag(QPoint by);
    QSize screenSize() const { return QGuiApplication::primaryScreen()->geometry().size(); }

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<TSmallClock> m_clock;
};

void TestTSmallClock::init()
{
    m_platform = std::make_unique<FakePlatform>();
    // Sunday 6 December 2026, 19:05:09
    m_platform->clock.set(QDateTime(QDate(2026, 12, 6), QTime(19, 5, 9)));
}

void TestTSmallClock::cleanup()
{
    m_clock.reset();
    m_platform.reset();
}

TSmallClock& TestTSmallClock::create()
{
    m_clock = std::make_unique<TSmallClock>(m_platform->services(), m_platform->settingsService);
    return *m_clock;
}

QString TestTSmallClock::tick()
{
    QMetaObject::invokeMethod(m_clock.get(), "Timer1Timer");
    return child<TLabel3D>("lblDT")->text();
}

void TestTSmallClock::sendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button,
                                std::optional<QPoint> global)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(local), QPointF(global.value_or(widget->mapToGlobal(local))),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void TestTSmallClock::drag(QPoint by)
{
    auto* time = child<TLabel3D>("lblDT");
    const QPoint press(20, 8);
    const QPoint global = time->mapToGlobal(press);
    sendMouse(time, QEvent::MouseButtonPress, press, Qt::LeftButton, global);
    sendMouse(time, QEvent::MouseMove, press, Qt::LeftButton, global + by / 2);
    sendMouse(time, QEvent::MouseMove, press, Qt::LeftButton, global + by);
    sendMouse(time, QEvent::MouseButtonRelease, press, Qt::LeftButton, global + by);
}

void TestTSmallClock::firstStartDefaults()
{
    TSmallClock& clock = create();
    QVERIFY(!clock.isVisible());
    QVERIFY(!clock.showAtStart());
    QVERIFY(control<QTimer>(clock, "Timer1")->isActive());
    QCOMPARE(control<QTimer>(clock, "Timer1")->interval(), 400);
    QCOMPARE(clock.pos(), QPoint(screenSize().width() / 2, 0));
    QCOMPARE(clock.size(), QSize(153, 17));
    QCOMPARE(clock.palette().color(QPalette::Window), QColor(200, 216, 192));
    QVERIFY(clock.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(clock.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(tick(), QStringLiteral("07 : 05 : 09  PM"));
    QVERIFY(child<TLabel3D>("lblDate")->isHidden());
    QCOMPARE(child<TLabel3D>("lblDT")->width(), 125);
    QVERIFY(m_platform->settings.writes.isEmpty());
}

void TestTSmallClock::storedChoicesAreApplied()
{
    auto& values = m_platform->settings.values;
    values["Clock Top"] = "100";
    values["Clock Left"] = "200";
    values["Clock 24hr"] = "1";
    values["Clock With Sec"] = "0";
    values["Clock With Date"] = "1";
    values["3D Digits On Clock"] = "1";
    values["Clock Digits Size"] = "10";
    values["Clock On"] = "1";
    TSmallClock& clock = create();
    QCOMPARE(m_platform->settings.reads,
             QStringList({"Clock Top", "Clock Left", "Clock 24hr", "Clock With Sec", "Clock With Date",
                          "3D Digits On Clock", "Clock Digits Size", "Clock On"}));
    QCOMPARE(clock.pos(), QPoint(200, 100));
    QVERIFY(clock.showAtStart());
    QCOMPARE(tick(), QStringLiteral("19 : 05"));
    auto* time = child<TLabel3D>("lblDT");
    auto* date = child<TLabel3D>("lblDate");
    QCOMPARE(time->width(), 89);
    QVERIFY(!date->isHidden());
    QCOMPARE(date->text(), QStringLiteral("6  Dec"));
    // At 96 pixels per inch the date follows the narrowed time label.
    QCOMPARE(date->x(), time->x() + time->width() + 2);
    QCOMPARE(time->font().pointSize(), 10);
    QCOMPARE(time->textStyle(), TLabel3D::tsRecessed);
    QCOMPARE(date->textStyle(), TLabel3D::tsRecessed);
    QVERIFY(item("m24hour")->isChecked());
    QVERIFY(!item("mEnabledSec")->isChecked());
    QVERIFY(item("mShowDate")->isChecked());
}

void TestTSmallClock::storedPositionOutsideIsIgnored_data()
{
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("left");
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QTest::newRow("zeros") << "0"
                           << "0";
    QTest::newRow("tucked top") << "-15"
                                << "";
    QTest::newRow("screen height and width") << QString::number(screen.height()) << QString::number(screen.width());
    QTest::newRow("garbage") << "abc"
                             << "1e3";
}

void TestTSmallClock::storedPositionOutsideIsIgnored()
{
    QFETCH(QString, top);
    QFETCH(QString, left);
    m_platform->settings.values["Clock Top"] = top;
    m_platform->settings.values["Clock Left"] = left;
    QCOMPARE(create().pos(), QPoint(screenSize().width() / 2, 0));
}

void TestTSmallClock::unknownDigitsSizeIsIgnored()
{
    const int designed = create().findChild<TLabel3D*>("lblDT")->font().pixelSize();
    m_platform->settings.values["Clock Digits Size"] = "13";
    const QFont font = create().findChild<TLabel3D*>("lblDT")->font();
    QCOMPARE(font.pixelSize(), designed);
    QCOMPARE(font.pointSize(), -1);
}

void TestTSmallClock::rightHotAreaTogglesTheFullDate()
{
    create();
    auto* right = child<QLabel>("lblRight");
    QCOMPARE(tick(), QStringLiteral("07 : 05 : 09  PM"));
    sendMouse(right, QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton);
    QCOMPARE(tick(), QStringLiteral("Sun. 6 Dec 2026"));
    // The full date stands until the next right click.
    m_platform->clock.advanceSeconds(1);
    QCOMPARE(tick(), QStringLiteral("Sun. 6 Dec 2026"));
    sendMouse(right, QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton);
    QCOMPARE(tick(), QStringLiteral("07 : 05 : 10  PM"));

    // With the date label shown, the right click does nothing.
    item("mShowDate")->trigger();
    sendMouse(right, QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton);
    QCOMPARE(tick(), QStringLiteral("07 : 05 : 10  PM"));
    item("mShowDate")->trigger();
    QCOMPARE(tick(), QStringLiteral("07 : 05 : 10  PM"));
}

void TestTSmallClock::leftHotAreaHidesAndKeepsTicking()
{
    TSmallClock& clock = create();
    clock.show();
    sendMouse(child<QLabel>("lblRight"), QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton);
    QVERIFY(!clock.isVisible());
    QVERIFY(control<QTimer>(clock, "Timer1")->isActive());
}

void TestTSmallClock::leftHotAreaOpensTheMenu()
{
    TSmallClock& clock = create();
    clock.show();
    auto* menu = child<QMenu>("popClock");
    sendMouse(child<QLabel>("lblLeft"), QEvent::MouseButtonPress, QPoint(5, 4), Qt::LeftButton);
    QVERIFY(menu->isVisible());
    // Right-aligned to the press.
    QCOMPARE(menu->geometry().right() + 1, clock.x() + 5);
    menu->close();
}

void TestTSmallClock::menuItemsWriteTheirValues_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("24 hour") << "m24hour" << 1 << "Clock 24hr"
                             << "1";
    QTest::newRow("24 hour twice") << "m24hour" << 2 << "Clock 24hr"
                                   << "0";
    QTest::newRow("Enabled Second") << "mEnabledSec" << 1 << "Clock With Sec"
                                    << "0";
    QTest::newRow("Show Date") << "mShowDate" << 1 << "Clock With Date"
                               << "1";
    QTest::newRow("3D") << "m3D" << 1 << "3D Digits On Clock"
                        << "1";
    QTest::newRow("On") << "mOn" << 1 << "Clock On"
                        << "1";
    QTest::newRow("Size 8") << "sm8" << 1 << "Clock Digits Size"
                            << "8";
    QTest::newRow("Size 12") << "sm12" << 1 << "Clock Digits Size"
                             << "12";
}

void TestTSmallClock::menuItemsWriteTheirValues()
{
    QFETCH(QString, item);
    QFETCH(int, times);
    QFETCH(QString, name);
    create();
    QAction* action = m_clock->findChild<QAction*>(item);
    QVERIFY(action);
    for (int i = 0; i < times; ++i)
        action->trigger();
    QCOMPARE(m_platform->settings.writes, QStringList(QList<QString>(times, name)));
    QTEST(m_platform->settings.values.value(name), "value");
}

void TestTSmallClock::menuItemsTakeEffect()
{
    create();
    auto* time = child<TLabel3D>("lblDT");
    auto* date = child<TLabel3D>("lblDate");
    item("m24hour")->trigger();
    QCOMPARE(tick(), QStringLiteral("19 : 05 : 09"));
    item("mEnabledSec")->trigger();
    QCOMPARE(tick(), QStringLiteral("19 : 05"));

    item("mShowDate")->trigger();
    QCOMPARE(time->width(), 89);
    QVERIFY(!date->isHidden());
    tick();
    QCOMPARE(date->text(), QStringLiteral("6  Dec"));
    item("mShowDate")->trigger();
    QCOMPARE(time->width(), 125);
    QVERIFY(date->isHidden());

    item("m3D")->trigger();
    QCOMPARE(time->textStyle(), TLabel3D::tsRecessed);
    QCOMPARE(date->textStyle(), TLabel3D::tsRecessed);
    item("m3D")->trigger();
    QCOMPARE(time->textStyle(), TLabel3D::tsNone);
    QCOMPARE(date->textStyle(), TLabel3D::tsNone);

    item("sm11")->trigger();
    QCOMPARE(time->font().pointSize(), 11);
}

void TestTSmallClock::stopAsksForSilence()
{
    create();
    QSignalSpy stops(m_clock.get(), &TSmallClock::stopRequested);
    item("mStop")->trigger();
    QCOMPARE(stops.count(), 1);
    QVERIFY(m_platform->settings.writes.isEmpty());
}

void TestTSmallClock::closeStopsTheTick()
{
    TSmallClock& clock = create();
    clock.show();
    item("mClose")->trigger();
    QVERIFY(!clock.isVisible());
    QVERIFY(!control<QTimer>(clock, "Timer1")->isActive());
    QVERIFY(m_platform->settings.writes.isEmpty());
}

void TestTSmallClock::dragAboveTheTopTucksAndMovementDropsBack()
{
    TSmallClock& clock = create();
    clock.show();
    const int left = clock.x();
    drag(QPoint(-30, -12));
    QCOMPARE(clock.pos(), QPoint(left - 30, -15));
    QVERIFY(clock.clockTucked());
    QVERIFY(m_platform->settings.writes.isEmpty());

    sendMouse(child<QLabel>("imgBackground"), QEvent::MouseMove, QPoint(60, 16), Qt::NoButton);
    QCOMPARE(clock.pos(), QPoint(left - 30, 0));
    QVERIFY(!clock.clockTucked());
    QCOMPARE(m_platform->settings.writes, QStringList({"Clock Top", "Clock Left"}));
    QCOMPARE(m_platform->settings.values.value("Clock Top"), QStringLiteral("0"));
    QCOMPARE(m_platform->settings.values.value("Clock Left"), QString::number(left - 30));

    // Once back on the screen, movement changes nothing.
    sendMouse(child<TLabel3D>("lblDT"), QEvent::MouseMove, QPoint(10, 5), Qt::NoButton);
    QCOMPARE(m_platform->settings.writes.size(), 2);
}

void TestTSmallClock::dragInsideTheScreenWritesThePlace()
{
    TSmallClock& clock = create();
    clock.show();
    const QPoint start = clock.pos();
    drag(QPoint(-100, 250));
    QCOMPARE(clock.pos(), start + QPoint(-100, 250));
    QVERIFY(!clock.clockTucked());
    QCOMPARE(m_platform->settings.writes, QStringList({"Clock Top", "Clock Left"}));
    QCOMPARE(m_platform->settings.values.value("Clock Top"), QStringLiteral("250"));
    QCOMPARE(m_platform->settings.values.value("Clock Left"), QString::number(start.x() - 100));

    // The next start puts it back there.
    QCOMPARE(create().pos(), start + QPoint(-100, 250));
}

void TestTSmallClock::showFromTheMainWindowUntucksWithoutWriting()
{
    MainWindowFixture f;
    TfrmMain& window = f.create();
    TSmallClock& clock = *f.clock;
    QAction* show = window.findChild<QAction*>("mShow");
    QVERIFY(show->isEnabled());

    show->trigger();
    QVERIFY(clock.isVisible());
    auto* time = clock.findChild<TLabel3D*>("lblDT");
    const QPoint press(20, 8);
    const QPoint global = time->mapToGlobal(press);
    sendMouse(time, QEvent::MouseButtonPress, press, Qt::LeftButton, global);
    sendMouse(time, QEvent::MouseMove, press, Qt::LeftButton, global + QPoint(0, -40));
    sendMouse(time, QEvent::MouseButtonRelease, press, Qt::LeftButton, global + QPoint(0, -40));
    QCOMPARE(clock.y(), -15);
    clock.findChild<QAction*>("mClose")->trigger();
    QVERIFY(!control<QTimer>(clock, "Timer1")->isActive());

    const qsizetype writes = f.platform.settings.writes.size();
    show->trigger();
    QVERIFY(clock.isVisible());
    QVERIFY(control<QTimer>(clock, "Timer1")->isActive());
    QCOMPARE(clock.y(), 0);
    QVERIFY(!clock.clockTucked());
    QCOMPARE(f.platform.settings.writes.size(), writes);
}

void TestTSmallClock::taskbarButtonFollowsTheWindows()
{
    TSmallClock& clock = create();
    TaskbarState& taskbar = m_platform->taskbar;
    QWidget mainWindow;
    clock.setMainWindow(&mainWindow);

    taskbar.show();
    tick();
    QVERIFY(!taskbar.isShown());

    mainWindow.show();
    tick();
    QVERIFY(taskbar.isShown());
    mainWindow.hide();

    QWidget message;
    message.setWindowTitle(QStringLiteral("Msg 1, 7 Dec"));
    message.show();
    tick();
    QVERIFY(taskbar.isShown());
    message.hide();
    tick();
    QVERIFY(!taskbar.isShown());

    // While the full date stands in the time label the button is left alone.
    sendMouse(child<QLabel>("lblRight"), QEvent::MouseButtonPress, QPoint(3, 3), Qt::RightButton);
    mainWindow.show();
    tick();
    QVERIFY(!taskbar.isShown());
}

void TestTSmallClock::rightClickOnTheTimeBringsUpTheMainWindow()
{
    TSmallClock& clock = create();
    QWidget mainWindow;
    mainWindow.showMinimized();
    mainWindow.hide();
    clock.setMainWindow(&mainWindow);
    clock.show();
    sendMouse(child<TLabel3D>("lblDT"), QEvent::MouseButtonPress, QPoint(10, 5), Qt::RightButton);
    QVERIFY(mainWindow.isVisible());
    QVERIFY(!mainWindow.isMinimized());
    QVERIFY(m_platform->taskbar.isShown());
    QCOMPARE(clock.pos(), QPoint(screenSize().width() / 2, 0));
}

void TestTSmallClock::dateHintNamesTheWeekday()
{
    create();
    auto* date = child<TLabel3D>("lblDate");
    sendMouse(date, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton);
    QVERIFY(date->toolTip().isEmpty());
    item("mShowDate")->trigger();
    tick();
    sendMouse(date, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton);
    QCOMPARE(date->toolTip(), QStringLiteral("Sunday"));
}

void TestTSmallClock::startShowsTheClockWhenOnAndWiresItToTheMainWindow_data()
{
    QTest::addColumn<QString>("on");
    QTest::addColumn<bool>("shown");
    QTest::newRow("on") << "1" << true;
    QTest::newRow("off") << "0" << false;
    QTest::newRow("missing") << "" << false;
}

void TestTSmallClock::startShowsTheClockWhenOnAndWiresItToTheMainWindow()
{
    QFETCH(QString, on);
    FakePlatform& p = *m_platform;
    p.settings.values["AlarmEventsFile"] = "events.acl";
    p.settings.values["Clock On"] = on;
    QFile events(p.programFile("events.acl"));
    QVERIFY(events.open(QIODevice::WriteOnly));
    events.close();
    FreeLock lock;
    ZibApplication app(p.services(), p.settingsService, p.programDir());
    QCOMPARE(app.start(lock), ZibApplication::StartResult::Running);
    TSmallClock& clock = *app.clock();
    QTEST(clock.isVisible(), "shown");

    clock.findChild<QAction*>("mStop")->trigger();
    QVERIFY(!p.wave.calls.isEmpty());
    QVERIFY(p.wave.calls.last().stop);

    app.mainWindow()->hide();
    p.taskbar.hide();
    sendMouse(clock.findChild<TLabel3D*>("lblDT"), QEvent::MouseButtonPress, QPoint(10, 5), Qt::RightButton);
    QVERIFY(app.mainWindow()->isVisible());
    QVERIFY(p.taskbar.isShown());
}

QTEST_MAIN(TestTSmallClock)
#include "tst_tsmallclock.moc"
