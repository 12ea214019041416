// SPDX-License-Identifier: GPL-3.0-or-later
// The main timer in the real main window with fake platform services: firing, sound, messages,
// commands, the chime, the speaker repeat and the day change.
#include "alarms/alarmlistmodel.h"
#include "alarms/eventsfile.h"
#include "app/tfrmmain.h"
#include "clock/tsmallclock.h"
#include "fakeplatform.h"
#include "mainwindowfixture.h"
#include "popups/tmsgout.h"
#include "popups/twarning.h"
#include "settings/tsetup.h"
#include "testevent.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
const QDate today(2026, 12, 7);
const QString todayText = QStringLiteral("2026/12/07");

AlarmEvent makeEvent(const QString& time24, const QString& schedule = QStringLiteral("None"),
                     const QString& message = {}, const QString& soundRun = QStringLiteral("bell"))
{
    AlarmEvent e =
        testEvent(time24, schedule.startsWith(QLatin1String("None")) ? todayText : AlarmText::noDate, schedule);
    e.dateTime = todayText + QLatin1Char(' ') + time24;
    e.message = message;
    e.soundRun = soundRun;
    return e;
}

template <typename T> QList<T*> topLevel()
{
    QList<T*> result;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* t = qobject_cast<T*>(w))
            result.append(t);
    }
    return result;
}

struct Fixture
{
    FakePlatform platform;
    std::unique_ptr<TSmallClock> clock;
    std::unique_ptr<TSetUp> setup;
    std::unique_ptr<TfrmMain> window;

    explicit Fixture(const QTime& start = QTime(9, 59, 59), const QMap<QString, QString>& stored = {})
        : Fixture(QDateTime(today, start), stored)
    {}
    explicit Fixture(const QDateTime& start, const QMap<QString, QString>& stored = {})
    {
        platform.clock.set(start);
        platform.settings.values = stored;
        platform.settings.values["AlarmEventsFile"] = "events.acl";
        touch(QStringLiteral("bell.wav"));
        touch(QStringLiteral("gong.wav"));
        clock = std::make_unique<TSmallClock>(platform.services(), platform.settingsService);
        setup =
            std::make_unique<TSetUp>(platform.services(), platform.settingsService, platform.programDir(), clock.get());
        window = std::make_unique<TfrmMain>(platform.services(), platform.settingsService, platform.programDir(),
                                            *clock, *setup);
        control<QComboBox>(*window, "cbTestSongs")->setCurrentText(QStringLiteral("bell"));
    }
    ~Fixture()
    {
        for (QWidget* w : topLevel<TMsgOut>())
            delete w;
        for (QWidget* w : topLevel<TWarning>())
            delete w;
    }
    void touch(const QString& name)
    {
        QFile file(platform.programFile(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    void writeEvents(const std::vector<AlarmEvent>& events)
    {
        QVERIFY(writeEventsFile(platform.programFile(QStringLiteral("events.acl")), events).ok);
    }
    void start(const std::vector<AlarmEvent>& events)
    {
        writeEvents(events);
        QVERIFY(window->finishStartup());
    }
    /// A file the loader reports as corrupted, with its box.
    void writeThreeBadHeaders()
    {
        QFile file(platform.programFile(QStringLiteral("events.acl")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x\r\ny\r\nz\r\n");
    }
    void tickAt(const QTime& time)
    {
        platform.clock.setTime(time);
        QMetaObject::invokeMethod(window.get(), "MainTimerTimer");
    }
    void tickAt(const QDateTime& moment)
    {
        platform.clock.set(moment);
        QMetaObject::invokeMethod(window.get(), "MainTimerTimer");
    }
    void setOption(const char* name, bool on) { setup->findChild<QCheckBox*>(name)->setChecked(on); }
    AlarmListModel& alarms() { return window->alarms(); }
    QStringList wavePaths() const
    {
        QStringList result;
        for (const FakeWavePlayer::Call& call : platform.wave.calls)
            result.append(call.stop ? QStringLiteral("stop") : QFileInfo(call.path).fileName());
        return result;
    }
};
QString windowText(TMsgOut* window)
{
    return window->findChild<QPlainTextEdit*>("mMsg")->toPlainText();
}

struct TickRun
{
    QDateTime from;
    QDateTime to;
    int stepMs;
};
} // namespace

Q_DECLARE_METATYPE(QList<AlarmEvent>)
Q_DECLARE_METATYPE(QList<TickRun>)

class TestTfrmMainTrigger : public QObject
{
    Q_OBJECT

private slots:
    void sameSecondFiresOnConsecutiveTicks();
    void timerIsOffWhileFiring();
    void timerKeepsToTheHalfSeconds();
    void disabledDuringSoundKeepsTimerOff();
    void rowDeletedDuringSound();
    void removalAfterFiring_data();
    void removalAfterFiring();
    void messageWindowTextAndNumber();
    void soundOffStillShowsMessage_data();
    void soundOffStillShowsMessage();
    void missingSongWarns();
    void silentOutputWarningBesideTheMessage();
    void commandHandedToRunner_data();
    void commandHandedToRunner();
    void failedCommandShowsErrorBox();
    void reminderPlaysCurrentSong();
    void stopClearsSpeakerRepeat();
    void chimeSoundsOncePerQuarter();
    void chimeGoesOnAfterItsListIsClosedForIt();
    void dayChangeReloads();
    void clockSetBackDoesNotReload();
    void nothingFiresWhileLoading();
    void dayChangeDuringALoadReloadsAfterIt();
    void titleShowsTheClock();
    void oddNights_data();
    void oddNights();
    void nightAwayReportedOnce();
    void missedSinceLastRun_data();
    void missedSinceLastRun();
};

void TestTfrmMainTrigger::sameSecondFiresOnConsecutiveTicks()
{
    Fixture f;
    f.start({makeEvent("10:00:00", "None", "first"), makeEvent("10:00:00", "None", "second")});
    f.tickAt(QTime(9, 59, 59, 500));
    QVERIFY(f.platform.wave.calls.isEmpty());

    f.tickAt(QTime(10, 0, 0));
    QCOMPARE(f.alarms().at(0).activeIgnore, AlarmText::ignore);
    QVERIFY(f.alarms().at(0).dateTime.endsWith(AlarmText::firedMark));
    QCOMPARE(f.alarms().at(1).activeIgnore, AlarmText::active);
    QCOMPARE(f.platform.wave.calls.size(), 1);

    f.tickAt(QTime(10, 0, 0, 500));
    QCOMPARE(f.alarms().at(1).activeIgnore, AlarmText::ignore);
    QCOMPARE(f.platform.wave.calls.size(), 2);
    QCOMPARE(f.wavePaths(), (QStringList{"bell.wav", "bell.wav"}));

    f.tickAt(QTime(10, 0, 1));
    QCOMPARE(f.platform.wave.calls.size(), 2);
    // Firing changes the list only: the file keeps both events as they were.
    QVERIFY(f.alarms().at(0).enabled);
}

void TestTfrmMainTrigger::timerIsOffWhileFiring()
{
    Fixture f;
    f.start({makeEvent("10:00:00")});
    QVERIFY(control<QTimer>(*f.window, "MainTimer")->isActive());
    QList<bool> activeDuringSound;
    f.platform.wave.onPlay = [&](const QString&, WavePlayer::Mode) {
        activeDuringSound.append(control<QTimer>(*f.window, "MainTimer")->isActive());
    };
    f.tickAt(QTime(10, 0, 0));
    QCOMPARE(activeDuringSound, QList<bool>{false});
    QVERIFY(control<QTimer>(*f.window, "MainTimer")->isActive());
}

void TestTfrmMainTrigger::timerKeepsToTheHalfSeconds()
{
    Fixture f(QTime(9, 59, 59, 200));
    f.start({makeEvent("10:00:00")});
    QTimer* timer = control<QTimer>(*f.window, "MainTimer");
    QCOMPARE(timer->interval(), 305);

    // The firing takes 0.3 s: the next tick is at half past, not 500 ms after the firing ended.
    f.platform.wave.onPlay = [&](const QString&, WavePlayer::Mode) { f.platform.clock.advanceMs(300); };
    f.platform.clock.setTime(QTime(10, 0, 0, 5));
    QMetaObject::invokeMethod(timer, "timeout");
    QCOMPARE(f.platform.wave.calls.size(), 1);
    QCOMPARE(timer->interval(), 200);

    f.platform.clock.setTime(QTime(10, 0, 1, 9));
    QMetaObject::invokeMethod(timer, "timeout");
    QCOMPARE(timer->interval(), 496);

    control<QToolButton>(*f.window, "btnDisabledAll")->click();
    f.platform.clock.setTime(QTime(10, 0, 7, 900));
    control<QToolButton>(*f.window, "btnDisabledAll")->click();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 105);
}

void TestTfrmMainTrigger::disabledDuringSoundKeepsTimerOff()
{
    Fixture f;
    f.start({makeEvent("10:00:00")});
    f.platform.wave.onPlay = [&](const QString&, WavePlayer::Mode) {
        control<QToolButton>(*f.window, "btnDisabledAll")->click();
    };
    f.tickAt(QTime(10, 0, 0));
    QVERIFY(control<QToolButton>(*f.window, "btnDisabledAll")->isChecked());
    QVERIFY(!control<QTimer>(*f.window, "MainTimer")->isActive());
}

void TestTfrmMainTrigger::rowDeletedDuringSound()
{
    Fixture f;
    f.setOption("chkRemove", true);
    f.start({makeEvent("10:00:00", "None", {}, "bell*run-me"), makeEvent("11:00:00", "None", "later")});
    f.platform.wave.onPlay = [&](const QString&, WavePlayer::Mode) { f.alarms().removeAt(0); };
    f.tickAt(QTime(10, 0, 0));
    QCOMPARE(f.alarms().rowCount(), 1);
    QCOMPARE(f.alarms().at(0).message, QStringLiteral("later"));
    QVERIFY(!f.alarms().at(0).dateTime.endsWith(AlarmText::firedMark));
    // Everything that needs no row still happens.
    QCOMPARE(f.platform.commands.commands, QStringList{"run-me"});
    QVERIFY(control<QTimer>(*f.window, "MainTimer")->isActive());
}

void TestTfrmMainTrigger::removalAfterFiring_data()
{
    QTest::addColumn<QString>("schedule");
    QTest::addColumn<bool>("option");
    QTest::addColumn<int>("rowsLeft");

    QTest::newRow("None removed") << "None" << true << 1;
    QTest::newRow("None kept without the option") << "None" << false << 2;
    QTest::newRow("Every Day kept") << "Every Day" << true << 2;
}

void TestTfrmMainTrigger::removalAfterFiring()
{
    QFETCH(QString, schedule);
    QFETCH(bool, option);
    QFETCH(int, rowsLeft);

    Fixture f;
    f.setOption("chkRemove", option);
    f.start({makeEvent("10:00:00", schedule), makeEvent("12:00:00", "None", "stays")});
    f.tickAt(QTime(10, 0, 0));
    QCOMPARE(f.alarms().rowCount(), rowsLeft);

    EventsLoadContext context;
    context.lastCheckDate = todayText;
    context.lastCheckTime = QStringLiteral("09:00:00");
    context.renderDate = [](const QString& ymd) { return ymd; };
    context.displayTime = [](const QString& time24) { return time24; };
    const EventsLoadResult onDisk = readEventsFile(f.platform.programFile(QStringLiteral("events.acl")), context);
    QCOMPARE(int(onDisk.events.size()), option && schedule == "None" ? 1 : 2);
    QCOMPARE(onDisk.events.back().message, QStringLiteral("stays"));
}

void TestTfrmMainTrigger::messageWindowTextAndNumber()
{
    Fixture f;
    f.start({makeEvent("10:00:00", "None", "Tea\r\ntime"), makeEvent("10:00:00", "Every Day", "Walk")});
    AlarmEvent withPicture = f.alarms().at(0);
    withPicture.imageIndex = 0;
    f.alarms().replaceAll({withPicture, f.alarms().at(1)});
    f.tickAt(QTime(10, 0, 0));
    f.tickAt(QTime(10, 0, 0, 500));
    const QList<TMsgOut*> windows = topLevel<TMsgOut>();
    QCOMPARE(windows.size(), 2);
    QStringList texts;
    QList<int> numbers;
    int pictures = 0;
    for (TMsgOut* w : windows) {
        QVERIFY(w->isVisible());
        texts.append(w->findChild<QPlainTextEdit*>("mMsg")->toPlainText());
        numbers.append(w->windowNumber());
        pictures += w->findChild<QLabel*>("imgMe")->pixmap().isNull() ? 0 : 1;
    }
    QCOMPARE(pictures, 1);
    texts.sort();
    std::sort(numbers.begin(), numbers.end());
    QCOMPARE(texts, (QStringList{"Tea\ntime at 10:00:00AM", "Walk at 10:00:00AM"}));
    QCOMPARE(numbers, (QList<int>{1, 2}));
    QVERIFY(f.platform.taskbar.isShown());
}

void TestTfrmMainTrigger::soundOffStillShowsMessage_data()
{
    QTest::addColumn<bool>("storedOff");
    QTest::newRow("unticked in the settings window") << false;
    QTest::newRow("stored off before the start") << true;
}

void TestTfrmMainTrigger::soundOffStillShowsMessage()
{
    QFETCH(bool, storedOff);
    Fixture f(QTime(9, 59, 59), storedOff ? QMap<QString, QString>{{"Check Sound On", "0"}} : QMap<QString, QString>{});
    if (!storedOff)
        f.setup->findChild<QCheckBox*>("chkSoundOn")->click();
    control<QComboBox>(*f.window, "cbTestSongs")->setCurrentText(QStringLiteral("nothing here"));
    f.start({makeEvent("10:00:00", "None", "Quiet")});
    f.tickAt(QTime(10, 0, 0));
    QVERIFY(f.platform.wave.calls.isEmpty());
    QVERIFY(topLevel<TWarning>().isEmpty());
    QCOMPARE(topLevel<TMsgOut>().size(), 1);
}

void TestTfrmMainTrigger::missingSongWarns()
{
    Fixture f;
    f.start({makeEvent("10:00:00", "None", {}, "gong*")});
    QFile::remove(f.platform.programFile(QStringLiteral("bell.wav")));
    f.platform.wave.result = false;
    f.tickAt(QTime(10, 0, 0));
    // The event's own sound name takes no part: the chosen song plays.
    QCOMPARE(f.wavePaths(), QStringList{"bell.wav"});
    QStringList texts;
    for (TWarning* w : topLevel<TWarning>())
        texts.append(w->findChild<QLabel*>("lblWarn")->text());
    texts.sort();
    QCOMPARE(texts, (QStringList{"Fail to play sound. MCI is busy.", "bell.wav not found. Play no sound."}));
    QVERIFY(f.platform.taskbar.isShown());
    QVERIFY(topLevel<TMsgOut>().isEmpty());
}

void TestTfrmMainTrigger::silentOutputWarningBesideTheMessage()
{
    Fixture f;
    f.start({makeEvent("10:00:00", "None", "Pills")});
    f.tickAt(QTime(10, 0, 0));
    QCOMPARE(f.platform.wave.watches.size(), 1);
    f.platform.wave.watches.first().started(SoundOutput{QStringLiteral("Built-in Audio"), true, 100});
    const QList<TWarning*> warnings = topLevel<TWarning>();
    const QList<TMsgOut*> messages = topLevel<TMsgOut>();
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(warnings.first()->findChild<QLabel*>("lblWarn")->text(),
             QStringLiteral("The sound output \"Built-in Audio\" is muted: this alarm cannot be heard."));
    // The message window keeps raising itself: a warning beneath it would never be read.
    QVERIFY(!warnings.first()->frameGeometry().intersects(messages.first()->frameGeometry()));
}

void TestTfrmMainTrigger::commandHandedToRunner_data()
{
    QTest::addColumn<QString>("soundRun");
    QTest::addColumn<QStringList>("commands");

    QTest::newRow("command with parameters")
        << "bell*/usr/bin/app --flag \"a b\"" << QStringList{"/usr/bin/app --flag \"a b\""};
    QTest::newRow("star at the end") << "bell*" << QStringList{};
    QTest::newRow("no star") << "bell" << QStringList{};
}

void TestTfrmMainTrigger::commandHandedToRunner()
{
    QFETCH(QString, soundRun);
    QFETCH(QStringList, commands);

    Fixture f;
    f.start({makeEvent("10:00:00", "None", "with message", soundRun)});
    f.tickAt(QTime(10, 0, 0));
    QCOMPARE(f.platform.commands.commands, commands);
    QCOMPARE(topLevel<TMsgOut>().size(), 1);
    QVERIFY(f.platform.dialogs.boxes.isEmpty());
}

void TestTfrmMainTrigger::failedCommandShowsErrorBox()
{
    Fixture f;
    f.start({makeEvent("10:00:00", "None", {}, "bell*/nonexistent/program")});
    f.platform.commands.result = false;
    bool timerActiveWhileBoxOpen = true;
    f.platform.dialogs.onMessage = [&](const FakeDialogs::Box&) {
        timerActiveWhileBoxOpen = control<QTimer>(*f.window, "MainTimer")->isActive();
    };
    f.tickAt(QTime(10, 0, 0));
    QCOMPARE(f.platform.dialogs.boxes.size(), 1);
    const FakeDialogs::Box box = f.platform.dialogs.boxes.first();
    QCOMPARE(box.text, QStringLiteral("Failing to run application. Please check the path and filename are correct."));
    QCOMPARE(box.caption, QStringLiteral("Error"));
    QCOMPARE(box.icon, Dialogs::Icon::Error);
    QVERIFY(!timerActiveWhileBoxOpen);
    QVERIFY(f.alarms().at(0).dateTime.endsWith(AlarmText::firedMark));
    QVERIFY(control<QTimer>(*f.window, "MainTimer")->isActive());
}

void TestTfrmMainTrigger::reminderPlaysCurrentSong()
{
    Fixture f;
    f.start({makeEvent("10:00:00", "None", "Remind me")});
    f.tickAt(QTime(10, 0, 0));
    QCOMPARE(topLevel<TMsgOut>().size(), 1);
    control<QComboBox>(*f.window, "cbTestSongs")->setCurrentText(QStringLiteral("gong"));
    f.platform.wave.calls.clear();
    emit topLevel<TMsgOut>().first()->remindRequested(QStringLiteral("Twice"));
    QCOMPARE(f.wavePaths(), (QStringList{"gong.wav", "gong.wav"}));
    QCOMPARE(f.platform.wave.calls.first().mode, WavePlayer::Mode::Sync);
}

void TestTfrmMainTrigger::stopClearsSpeakerRepeat()
{
    Fixture f;
    f.start({makeEvent("10:00:00")});
    control<QRadioButton>(*f.window, "rbInternalSpeaker")->click();
    control<QComboBox>(*f.window, "cbTestSongs")->setCurrentText(QStringLiteral("Game"));
    f.alarms().setField(0, ColPlayTimes, QStringLiteral("Repeat"));
    f.tickAt(QTime(10, 0, 0));
    // The tune comes from the timer, every fourth tick.
    for (int tick = 1; tick <= 8; ++tick)
        f.tickAt(QTime(10, 0, 0).addMSecs(500 * tick));
    QCOMPARE(f.platform.tone.tunes.size(), 3);
    QCOMPARE(f.platform.tone.tunes.first().size(), size_t(12));

    control<QToolButton>(*f.window, "btnStop")->click();
    for (int tick = 9; tick <= 16; ++tick)
        f.tickAt(QTime(10, 0, 0).addMSecs(500 * tick));
    QCOMPARE(f.platform.tone.tunes.size(), 3);
    QVERIFY(f.platform.wave.calls.last().stop);
}

void TestTfrmMainTrigger::chimeSoundsOncePerQuarter()
{
    Fixture f(QTime(10, 14, 59));
    f.start({});
    control<QCheckBox>(*f.window, "chkSnooze")->setChecked(true);
    control<QComboBox>(*f.window, "cbChimeTime")->setCurrentIndex(0);
    emit control<QComboBox>(*f.window, "cbChimeTime")->activated(0);
    for (QTime t(10, 14, 59); t <= QTime(10, 15, 30); t = t.addMSecs(500))
        f.tickAt(t);
    QCOMPARE(f.wavePaths(), QStringList{"didi.snd"});
    QCOMPARE(f.platform.wave.calls.first().mode, WavePlayer::Mode::Async);
    // The chime is no alarm: neither its output nor a refusal is reported.
    QVERIFY(!f.platform.wave.watches.first().started && !f.platform.wave.watches.first().refused);

    control<QCheckBox>(*f.window, "chkSnooze")->setChecked(false);
    f.tickAt(QTime(10, 30, 0));
    QCOMPARE(f.platform.wave.calls.size(), 1);
}

void TestTfrmMainTrigger::chimeGoesOnAfterItsListIsClosedForIt()
{
    Fixture f(QTime(10, 2, 40));
    f.start({});
    f.window->show();
    control<QCheckBox>(*f.window, "chkSnooze")->setChecked(true);
    QComboBox* list = control<QComboBox>(*f.window, "cbChimeTime");
    list->setCurrentIndex(list->findText(QStringLiteral("5")));
    emit list->activated(list->currentIndex());
    list->showPopup();
    QVERIFY(QApplication::activePopupWidget());
    f.tickAt(QTime(10, 3, 0));

    // Another window takes the focus: the toolkit closes the list without the combo box's say.
    QApplication::activePopupWidget()->close();
    QVERIFY(!QApplication::activePopupWidget());
    for (QTime t(10, 3, 0); t <= QTime(10, 8, 0); t = t.addSecs(30))
        f.tickAt(t);
    QCOMPARE(f.wavePaths(), QStringList{"didi.snd"});
}

void TestTfrmMainTrigger::dayChangeReloads()
{
    Fixture f(QTime(23, 59, 0));
    f.start({makeEvent("00:00:10", "Every Day", "Early")});
    QCOMPARE(f.alarms().at(0).activeIgnore, AlarmText::ignore);
    f.alarms().append(makeEvent("23:58:30", "Every Day", "only in memory"));

    f.platform.clock.set(QDateTime(today.addDays(1), QTime(0, 0, 2)));
    QMetaObject::invokeMethod(f.window.get(), "MainTimerTimer");
    QCOMPARE(f.alarms().rowCount(), 1);
    QCOMPARE(f.alarms().at(0).activeIgnore, AlarmText::active);
    QVERIFY(f.platform.wave.calls.isEmpty());

    f.tickAt(QTime(0, 0, 10));
    QCOMPARE(f.alarms().at(0).activeIgnore, AlarmText::ignore);
    QCOMPARE(topLevel<TMsgOut>().size(), 1);
}

void TestTfrmMainTrigger::clockSetBackDoesNotReload()
{
    Fixture f(QTime(12, 0, 0));
    f.start({makeEvent("13:00:00", "Every Day")});
    f.alarms().append(makeEvent("14:00:00", "Every Day", "only in memory"));
    f.platform.clock.set(QDateTime(today.addDays(-1), QTime(12, 0, 0)));
    QMetaObject::invokeMethod(f.window.get(), "MainTimerTimer");
    QCOMPARE(f.alarms().rowCount(), 2);
}

void TestTfrmMainTrigger::nothingFiresWhileLoading()
{
    Fixture f;
    f.start({});
    // Three bad headers make the loader show a box; the timer ticks while it is open.
    f.writeThreeBadHeaders();
    f.platform.dialogs.onMessage = [&](const FakeDialogs::Box&) {
        f.alarms().append(makeEvent("09:00:00", "Every Day"));
        f.tickAt(QTime(10, 0, 0));
    };
    f.platform.clock.set(QDateTime(today.addDays(1), QTime(9, 0, 0)));
    QMetaObject::invokeMethod(f.window.get(), "MainTimerTimer");
    QVERIFY(!f.platform.dialogs.boxes.isEmpty());
    QVERIFY(f.platform.wave.calls.isEmpty());
}

void TestTfrmMainTrigger::dayChangeDuringALoadReloadsAfterIt()
{
    Fixture f(QTime(23, 59, 50));
    f.start({});
    f.writeThreeBadHeaders();
    // Midnight passes while the loader's box is open: that tick must not start a second load.
    f.platform.dialogs.onMessage = [&](const FakeDialogs::Box&) {
        f.platform.dialogs.onMessage = nullptr;
        f.platform.clock.set(QDateTime(today.addDays(1), QTime(0, 0, 1)));
        QMetaObject::invokeMethod(f.window.get(), "MainTimerTimer");
    };
    QTest::mouseClick(f.window->findChild<QToolButton*>("sbLoad"), Qt::LeftButton);
    QCOMPARE(f.platform.dialogs.boxes.size(), 1);

    // The next tick after the load sees the new day and evaluates the list afresh for it.
    f.writeEvents({makeEvent("00:00:10", "Every Day", "Early")});
    f.tickAt(QTime(0, 0, 5));
    QCOMPARE(f.alarms().rowCount(), 1);
    QCOMPARE(f.alarms().at(0).activeIgnore, AlarmText::active);
    f.tickAt(QTime(0, 0, 10));
    QCOMPARE(f.alarms().at(0).activeIgnore, AlarmText::ignore);
}

void TestTfrmMainTrigger::titleShowsTheClock()
{
    Fixture f;
    f.start({});
    f.tickAt(QTime(15, 4, 0));
    QVERIFY2(f.window->windowTitle().startsWith(QStringLiteral("Zib Alarm Clock v2.2...")),
             qPrintable(f.window->windowTitle()));
    QVERIFY(f.window->windowTitle().endsWith(QStringLiteral(" / 03:04 pm"), Qt::CaseInsensitive));
}

void TestTfrmMainTrigger::oddNights_data()
{
    QTest::addColumn<QList<AlarmEvent>>("events");
    QTest::addColumn<QList<TickRun>>("runs");
    QTest::addColumn<QStringList>("fired");

    // The test runs in Europe/Berlin: clocks go forward at 02:00 on 29 March 2026 and back at
    // 03:00 on 25 October.
    const QDate spring(2026, 3, 29);
    QTest::newRow("spring: the skipped hour fires at 03:00")
        << QList<AlarmEvent>{makeEvent("02:30:00", "Every Day", "Inside"), makeEvent("01:59:00", "Every Day", "Before")}
        << QList<TickRun>{{QDateTime(spring, QTime(1, 58)), QDateTime(spring, QTime(3, 2)), 30000}}
        << QStringList{"Before at 01:59:00AM @ 01:59:00.000", "Inside at 02:30:00AM @ 03:00:00.000"};
    const QDate autumn(2026, 10, 25);
    QTest::newRow("autumn: the repeated hour fires once")
        << QList<AlarmEvent>{makeEvent("02:30:00", "Every Day", "Repeated")}
        << QList<TickRun>{{QDateTime(autumn, QTime(1, 58)), QDateTime(autumn, QTime(3, 5)), 30000}}
        << QStringList{"Repeated at 02:30:00AM @ 02:30:00.000"};
    QTest::newRow("forward on the same day: late ones one per tick, in list order")
        << QList<AlarmEvent>{makeEvent("11:30:00", "Every Day", "B"), makeEvent("10:30:00", "Every Day", "A"),
                             makeEvent("11:00:00", "Every Day", "C"), makeEvent("13:00:00", "Every Day", "D")}
        << QList<TickRun>{{QDateTime(today, QTime(10, 0)), QDateTime(today, QTime(10, 0)), 500},
                          {QDateTime(today, QTime(12, 0)), QDateTime(today, QTime(12, 0, 3)), 500}}
        << QStringList{"B at 11:30:00AM @ 12:00:00.000", "A at 10:30:00AM @ 12:00:00.500",
                       "C at 11:00:00AM @ 12:00:01.000"};
    QTest::newRow("back an hour: nothing fires twice")
        << QList<AlarmEvent>{makeEvent("10:30:00", "Every Day", "Tea")}
        << QList<TickRun>{{QDateTime(today, QTime(10, 29)), QDateTime(today, QTime(10, 31)), 30000},
                          {QDateTime(today, QTime(9, 31)), QDateTime(today, QTime(10, 32)), 30000}}
        << QStringList{"Tea at 10:30:00AM @ 10:30:00.000"};
}

void TestTfrmMainTrigger::oddNights()
{
    QFETCH(QList<AlarmEvent>, events);
    QFETCH(QList<TickRun>, runs);
    QFETCH(QStringList, fired);

    Fixture f(runs.first().from);
    f.start(std::vector<AlarmEvent>(events.begin(), events.end()));
    QStringList seen;
    QSet<TMsgOut*> known;
    for (const TickRun& run : runs) {
        for (QDateTime moment = run.from; moment <= run.to; moment = moment.addMSecs(run.stepMs)) {
            f.tickAt(moment);
            for (TMsgOut* w : topLevel<TMsgOut>()) {
                if (!known.contains(w))
                    seen.append(windowText(w) + QStringLiteral(" @ ") + moment.toString("hh:mm:ss.zzz"));
                known.insert(w);
            }
        }
    }
    QCOMPARE(seen, fired);
}

void TestTfrmMainTrigger::nightAwayReportedOnce()
{
    const QDate tuesday(2026, 12, 8);
    Fixture f(QDateTime(tuesday, QTime(23, 59, 53)));
    AlarmEvent bus = makeEvent("07:30:00", "None", "Bus");
    bus.date = QStringLiteral("2026/12/09");
    f.start({makeEvent("07:00:00", "Every Day", "Wake\r\nup"), bus, makeEvent("09:00:00", "Every Day", "Later")});
    f.tickAt(QDateTime(tuesday, QTime(23, 59, 53, 500)));

    const QDateTime woken(tuesday.addDays(1), QTime(8, 0));
    f.tickAt(woken);
    f.tickAt(woken.addMSecs(500));
    const QList<TMsgOut*> windows = topLevel<TMsgOut>();
    QCOMPARE(windows.size(), 1);
    const QStringList lines = windowText(windows.first()).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), QStringLiteral("Missed while the program was not watching:"));
    QVERIFY2(lines.at(1).endsWith(QStringLiteral(" - 07:00:00AM  Every Day  Wake")), qPrintable(lines.at(1)));
    QVERIFY2(lines.at(2).endsWith(QStringLiteral(" - 07:30:00AM  None  Bus")), qPrintable(lines.at(2)));
    // Nothing plays for them, and the list marks them as the reload always did.
    QVERIFY(f.platform.wave.calls.isEmpty());
    QVERIFY(f.alarms().at(1).dateTime.endsWith(AlarmText::missedMark));
    QCOMPARE(f.alarms().at(0).activeIgnore, AlarmText::ignore);
    QCOMPARE(f.platform.lastWatch.kept, std::optional<QDateTime>(woken));

    // Each firing and the exit keep the moment too.
    const QDateTime fired = woken.addSecs(3600);
    f.tickAt(fired);
    QCOMPARE(f.platform.lastWatch.kept, std::optional<QDateTime>(fired));
    f.platform.clock.set(fired.addSecs(60));
    control<QPushButton>(*f.window, "btnExit")->click();
    QCOMPARE(f.platform.lastWatch.kept, std::optional<QDateTime>(fired.addSecs(60)));
    QCOMPARE(topLevel<TMsgOut>().size(), 2);
}

void TestTfrmMainTrigger::missedSinceLastRun_data()
{
    QTest::addColumn<QDateTime>("lastWatch");
    QTest::addColumn<QStringList>("lineEnds");

    QTest::newRow("off from Friday evening to Monday") << QDateTime(today.addDays(-3), QTime(18, 0))
                                                       << QStringList{"Missed while the program was not watching:",
                                                                      "07:00:00AM  Every Day  Wake",
                                                                      "07:00:00AM  Every Day  Wake",
                                                                      "09:00:00AM  None Every  Dentist",
                                                                      "07:00:00AM  Every Day  Wake",
                                                                      "09:00:00AM  None Every  Dentist"};
    QTest::newRow("nothing came due") << QDateTime(today, QTime(9, 30)) << QStringList{};
    QTest::newRow("no moment kept") << QDateTime() << QStringList{};
    QTest::newRow("a moment in the future") << QDateTime(today.addDays(1), QTime(8, 0)) << QStringList{};
}

void TestTfrmMainTrigger::missedSinceLastRun()
{
    QFETCH(QDateTime, lastWatch);
    QFETCH(QStringList, lineEnds);

    Fixture f(QTime(10, 0));
    if (lastWatch.isValid())
        f.platform.lastWatch.kept = lastWatch;
    AlarmEvent dentist = makeEvent("09:00:00", "None Every", "Dentist");
    dentist.date = QStringLiteral("2026/12/06");
    f.start({makeEvent("07:00:00", "Every Day", "Wake"), dentist});
    QCOMPARE(f.platform.lastWatch.writes, (QList<QDateTime>{QDateTime(today, QTime(10, 0))}));

    QStringList lines;
    for (TMsgOut* w : topLevel<TMsgOut>())
        lines += windowText(w).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), lineEnds.size());
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(lines.at(i).endsWith(lineEnds.at(i)), qPrintable(lines.at(i)));
    QVERIFY(f.platform.dialogs.boxes.isEmpty());
}

QTEST_MAIN(TestTfrmMainTrigger)
#include "tst_tfrmmain_trigger.moc"
