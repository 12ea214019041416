// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/tsmallclock.h"
#include "fakeplatform.h"
#include "popups/tmsgout.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

namespace {
QString titleClock(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("dddd, MMMM d, yyyy / hh:mm ap"));
}

QDateTime at(int hour, int minute, int second)
{
    return QDateTime(QDate(2026, 12, 7), QTime(hour, minute, second));
}

bool staysOnTop(const QWidget* window)
{
    return window->windowHandle() && window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
}
} // namespace

class TestTMsgOut : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void numbersCountOpenMessageWindows();
    void captionAfterATick();
    void smallScreenSize();
    void messageIsPlainTextWithItsLineBreaks();
    void fontSizeSetting_data();
    void fontSizeSetting();
    void snoozeComesBackAtTheNthMinuteChange_data();
    void snoozeComesBackAtTheNthMinuteChange();
    void okWithZeroClosesAndGivesFocusAway_data();
    void okWithZeroClosesAndGivesFocusAway();
    void losingActivationStopsTheForcing();
    void touchingTheSnoozeControlsStopsTheForcing();
    void onlyALaterResizeLeavesTheTopBand();
    void plusAndMinusAreSwallowed();
    void closedDuringTheReminderSoundIsNotTouched();

private:
    TMsgOut* newWindow(bool show = true);
    void tick(TMsgOut* window) { QVERIFY(QMetaObject::invokeMethod(window, "Timer1Timer")); }
    static void deleteDeferred() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<TSmallClock> m_clock;
    std::unique_ptr<QWidget> m_mainWindow;
    QList<QPointer<TMsgOut>> m_windows;
};

void TestTMsgOut::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_platform->clock.set(at(10, 15, 0));
    m_clock = std::make_unique<TSmallClock>(m_platform->services(), m_platform->settingsService);
    m_mainWindow = std::make_unique<QWidget>();
    m_mainWindow->setWindowTitle(QStringLiteral("Zib Alarm Clock v2.2"));
}

void TestTMsgOut::cleanup()
{
    for (const QPointer<TMsgOut>& window : std::as_const(m_windows))
        delete window.data();
    m_windows.clear();
    m_mainWindow.reset();
    m_clock.reset();
    m_platform.reset();
}

TMsgOut* TestTMsgOut::newWindow(bool show)
{
    auto* window =
        new TMsgOut(m_platform->services(), m_platform->settingsService, m_clock.get(), m_mainWindow.get(), titleClock);
    m_windows.append(window);
    if (show) {
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("message window did not become active");
    }
    return window;
}

void TestTMsgOut::numbersCountOpenMessageWindows()
{
    m_clock->show();
    m_mainWindow->show();
    TMsgOut* first = newWindow();
    QCOMPARE(first->windowTitle(), QStringLiteral("Msg"));
    tick(first);
    TMsgOut* second = newWindow();
    QCOMPARE(first->windowNumber(), 1);
    QCOMPARE(second->windowNumber(), 2);

    // A snoozed window is hidden but still counts.
    second->findChild<QSpinBox*>("SpinEdit1")->setValue(3);
    QTest::mouseClick(second->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    QVERIFY(!second->isVisible());

    QPointer<TMsgOut> closing(first);
    first->close();
    deleteDeferred();
    QVERIFY(closing.isNull());
    QCOMPARE(newWindow()->windowNumber(), 2);
}

void TestTMsgOut::captionAfterATick()
{
    TMsgOut* window = newWindow();
    m_platform->clock.set(at(16, 42, 7));
    tick(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Msg 1, ") + titleClock(at(16, 42, 7)));
}

void TestTMsgOut::smallScreenSize()
{
    TMsgOut* window = newWindow();
    QCOMPARE(window->screen()->logicalDotsPerInch(), 96.0);
    QCOMPARE(window->size(), QSize(323, 270));
    QVERIFY(window->findChild<QPushButton*>("btnOK")->geometry().right() < window->width());
}

void TestTMsgOut::messageIsPlainTextWithItsLineBreaks()
{
    TMsgOut* window = newWindow();
    window->setMessage(QStringLiteral("<b>Tea</b> & cake\r\nsecond line at 04:30:00PM"));
    const auto* memo = window->findChild<QPlainTextEdit*>("mMsg");
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->document()->blockCount(), 2);
    QCOMPARE(memo->toPlainText(), QStringLiteral("<b>Tea</b> & cake\nsecond line at 04:30:00PM"));
}

void TestTMsgOut::fontSizeSetting_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("expected"); // 0: the window's own size

    QTest::newRow("6 ignored") << "6" << 0;
    QTest::newRow("7 used") << "7" << 7;
    QTest::newRow("128 used") << "128" << 128;
    QTest::newRow("129 ignored") << "129" << 0;
    QTest::newRow("empty ignored") << "" << 0;
    QTest::newRow("not a number ignored") << "12pt" << 0;
    QTest::newRow("blank before the number ignored") << " 12" << 0;
}

void TestTMsgOut::fontSizeSetting()
{
    QFETCH(QString, setting);
    QFETCH(int, expected);

    const int ownSize = newWindow(false)->findChild<QPlainTextEdit*>("mMsg")->font().pointSize();
    QVERIFY(ownSize != 7 && ownSize != 128);
    m_platform->settings.values.insert(QStringLiteral("Msg Font Size"), setting);
    TMsgOut* window = newWindow(false);
    QCOMPARE(window->findChild<QPlainTextEdit*>("mMsg")->font().pointSize(), expected ? expected : ownSize);
}

void TestTMsgOut::snoozeComesBackAtTheNthMinuteChange_data()
{
    QTest::addColumn<QDateTime>("okAt");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("playTimes");
    QTest::addColumn<QDateTime>("backAt");

    QTest::newRow("1 at 10:15:50") << at(10, 15, 50) << 1 << "Once" << at(10, 16, 0);
    QTest::newRow("5 at 10:15:05") << at(10, 15, 5) << 5 << "Thrice" << at(10, 20, 0);
    QTest::newRow("2 across the hour") << at(10, 59, 30) << 2 << "Repeat" << at(11, 1, 0);
}

void TestTMsgOut::snoozeComesBackAtTheNthMinuteChange()
{
    QFETCH(QDateTime, okAt);
    QFETCH(int, minutes);
    QFETCH(QString, playTimes);
    QFETCH(QDateTime, backAt);

    m_mainWindow->show();
    TMsgOut* window = newWindow();
    QSignalSpy reminders(window, &TMsgOut::remindRequested);
    auto* spin = window->findChild<QSpinBox*>("SpinEdit1");
    window->findChild<QComboBox*>("cbPlayTimes")->setCurrentText(playTimes);

    m_platform->clock.set(okAt);
    spin->setValue(minutes);
    QTest::mouseClick(window->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QVERIFY(window->findChild<QTimer*>("Timer1")->isActive());

    // The window's timer keeps ticking every 800 ms while it is hidden.
    while (m_platform->clock.now().addMSecs(800) < backAt) {
        m_platform->clock.advanceMs(800);
        tick(window);
        QVERIFY2(!window->isVisible(), qPrintable(m_platform->clock.now().toString()));
    }
    QCOMPARE(reminders.count(), 0);

    m_platform->clock.set(backAt);
    tick(window);
    QVERIFY(window->isVisible());
    QCOMPARE(reminders.count(), 1);
    QCOMPARE(reminders.at(0).at(0).toString(), playTimes);
    QCOMPARE(spin->value(), 0);
    QVERIFY(window->isForcedToFront());

    // Only once: the next minute changes bring nothing more.
    m_platform->clock.set(backAt.addSecs(120));
    tick(window);
    QCOMPARE(reminders.count(), 1);
}

void TestTMsgOut::okWithZeroClosesAndGivesFocusAway_data()
{
    QTest::addColumn<bool>("clockShowing");
    QTest::newRow("to the desktop clock") << true;
    QTest::newRow("to the main window") << false;
}

void TestTMsgOut::okWithZeroClosesAndGivesFocusAway()
{
    QFETCH(bool, clockShowing);

    m_clock->setVisible(clockShowing);
    m_mainWindow->show();
    QPointer<TMsgOut> window = newWindow();
    QVERIFY(window->isActiveWindow());
    QSignalSpy reminders(window.data(), &TMsgOut::remindRequested);

    QTest::mouseClick(window->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    deleteDeferred();
    QVERIFY(window.isNull());
    QCOMPARE(reminders.count(), 0);
    QWidget* expected = clockShowing ? static_cast<QWidget*>(m_clock.get()) : m_mainWindow.get();
    QTRY_COMPARE(QApplication::activeWindow(), expected);
}

void TestTMsgOut::losingActivationStopsTheForcing()
{
    m_mainWindow->show();
    TMsgOut* window = newWindow();
    tick(window);
    QVERIFY(window->isForcedToFront());
    QVERIFY(staysOnTop(window));

    m_mainWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_mainWindow.get()));
    tick(window);
    QVERIFY(!window->isForcedToFront());
    QVERIFY(staysOnTop(window));

    // Back in front by the user's choice: it is not forced any more, nor counted lost again.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    tick(window);
    QVERIFY(!window->isForcedToFront());
}

void TestTMsgOut::touchingTheSnoozeControlsStopsTheForcing()
{
    TMsgOut* spinWindow = newWindow();
    QTest::keyClick(spinWindow->findChild<QSpinBox*>("SpinEdit1"), Qt::Key_Up);
    QVERIFY(!spinWindow->isForcedToFront());

    TMsgOut* comboWindow = newWindow();
    auto* combo = comboWindow->findChild<QComboBox*>("cbPlayTimes");
    combo->showPopup();
    combo->hidePopup();
    QVERIFY(!comboWindow->isForcedToFront());
}

void TestTMsgOut::onlyALaterResizeLeavesTheTopBand()
{
    TMsgOut* window = newWindow();
    tick(window);
    QVERIFY(window->isForcedToFront());
    QVERIFY(staysOnTop(window));

    window->resize(window->width() + 40, window->height() + 30);
    QVERIFY(!window->isForcedToFront());
    QVERIFY(!staysOnTop(window));
    tick(window);
    QVERIFY(!staysOnTop(window));
}

void TestTMsgOut::plusAndMinusAreSwallowed()
{
    TMsgOut* window = newWindow();
    auto* spin = window->findChild<QSpinBox*>("SpinEdit1");
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("+-4"));
    QCOMPARE(spin->text(), QStringLiteral("4"));
    QTest::keyClicks(spin, QStringLiteral("-"));
    QCOMPARE(spin->value(), 4);
    QVERIFY(window->isVisible());
}

void TestTMsgOut::closedDuringTheReminderSoundIsNotTouched()
{
    QPointer<TMsgOut> window = newWindow();
    m_platform->clock.set(at(10, 15, 30));
    window->findChild<QSpinBox*>("SpinEdit1")->setValue(1);
    QTest::mouseClick(window->findChild<QPushButton*>("btnOK"), Qt::LeftButton);

    // The song plays in a local event loop, in which the user closes the window.
    bool closedInSound = false;
    connect(window.data(), &TMsgOut::remindRequested, this, [&window, &closedInSound] {
        QEventLoop sound;
        QTimer::singleShot(0, &sound, [&] {
            window->close();
            QTimer::singleShot(0, &sound, &QEventLoop::quit);
        });
        sound.exec();
        closedInSound = window.isNull();
    });
    m_platform->clock.set(at(10, 16, 0));
    tick(window);
    QVERIFY(closedInSound);
    QVERIFY(window.isNull());
}

QTEST_MAIN(TestTMsgOut)
#include "tst_tmsgout.moc"
