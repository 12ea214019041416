// SPDX-License-Identifier: GPL-3.0-or-later
// The main timer of the main window: day change, chime, firing due events, the speaker repeat
// and the title clock; sound playback and running an event's command.
#include "alarms/alarmlistmodel.h"
#include "app/tfrmmain.h"
#include "clock/tsmallclock.h"
#include "core/programinfo.h"
#include "platform/clock.h"
#include "platform/commandrunner.h"
#include "platform/dialogs.h"
#include "platform/taskbarbutton.h"
#include "platform/waveplayer.h"
#include "popups/popupwindow.h"
#include "popups/tmsgout.h"
#include "popups/twarning.h"
#include "settings/tsetup.h"
#include "speaker/tbtbeeper.h"
#include "trigger/daychange.h"
#include "trigger/duescan.h"
#include "trigger/firing.h"
#include "trigger/tickphase.h"
#include "widgets/alarmlistpanel.h"
#include "widgets/chimebox.h"
#include "widgets/editorgroup.h"
#include "widgets/songbox.h"

#include <QIcon>
#include <QPersistentModelIndex>
#include <QTimer>

void TfrmMain::createTrigger()
{
    BTBeeper1 = new TBTBeeper(*m_services.tone, this);
    BTBeeper1->setObjectName(QStringLiteral("BTBeeper1"));
    m_sound = std::make_unique<SoundPlayer>(
        *m_services.wave, m_speakerRepeat, [this](int tune) { return BTBeeper1->PlayPresetSound(tune); },
        [this] { return BTBeeper1->canSound(); },
        [this](const QString& text, SoundPlayer::Warning kind) { showSoundWarning(text, kind); });
    // Armed before the tick's work, which may stop it (firing, disabling all).
    connect(MainTimer, &QTimer::timeout, this, &TfrmMain::restartMainTimer);
    connect(MainTimer, &QTimer::timeout, this, &TfrmMain::MainTimerTimer);
    connect(m_songBox, &SongBox::playClicked, this, &TfrmMain::btnTestSongsClick);
    connect(m_songBox, &SongBox::stopClicked, this, &TfrmMain::btnStopClick);
}

void TfrmMain::MainTimerTimer()
{
    const QDateTime now = m_services.clock->now();
    // A tick that runs inside the loader's message boxes must neither reload nor fire: the list
    // is only partly there.
    if (!m_loading) {
        if (const std::optional<DayChange> change = detectDayChange(LastCheckDate, now)) {
            const std::vector<AlarmEvent> watched = m_alarms->events();
            LastCheckDate = change->lastCheckDate;
            LastCheckTime = change->lastCheckTime;
            LoadAlarmEvents();
            m_editor->setEffectiveDateColours(m_editor->chosenDate() == LastCheckDate);
            if (m_lastTick.isValid())
                reportMissedAlarms(
                    watched, m_lastTick,
                    QDateTime(now.date(), DateFormats::parseInternalTime(LastCheckTime).value_or(now.time())));
            writeLastWatch(now);
        }
        m_lastTick = now;
    }
    if (m_songBox->chimeOn())
        ChimeCheck(now.time().minute());
    if (!m_loading && !m_alarms->isEmpty()) {
        const int row = DueScan(now).findDueRow(m_alarms->events(), &LastExamineDate);
        if (row >= 0)
            FireAlarmEvent(row);
    }
    m_speakerRepeat.tick([this](int tune) { m_sound->repeatTunePlayed(BTBeeper1->PlayPresetSound(tune)); });
    setWindowTitle(ProgramInfo::title() + QStringLiteral("...") + m_dates.titleClock(m_services.clock->now()));
}

void TfrmMain::FireAlarmEvent(int row)
{
    MainTimer->stop();
    writeLastWatch(m_services.clock->now());
    m_alarms->setField(row, ColActiveIgnore, AlarmText::ignore);
    // The sound may run an event loop in which the row can be deleted or the list reloaded:
    // work from a copy, and touch the row afterwards only if it is still there.
    const AlarmEvent event = m_alarms->at(row);
    const QPersistentModelIndex firing(m_alarms->index(row, ColPlayTimes));
    const QIcon picture = m_alarms->data(firing, Qt::DecorationRole).value<QIcon>();

    PlaySound(event.playTimes, m_songBox->song());
    if (!event.message.isEmpty())
        ShowAlarmMessage(event, picture);
    if (const QString command = event.command(); !command.isEmpty())
        RunApplication(command);

    if (firing.isValid()) {
        const int current = firing.row();
        m_alarms->setField(current, ColDateTime, m_alarms->at(current).dateTime + AlarmText::firedMark);
        if (removeAfterFiring(event.schedule, m_options.removeAfterExecuted)) {
            m_list->removeRow(current);
            SaveAlarmEvents();
        }
    }
    if (!m_list->alarmsDisabled())
        restartMainTimer();
}

void TfrmMain::restartMainTimer()
{
    MainTimer->start(TickPhase::msToNextTick(m_services.clock->now().time()));
}

void TfrmMain::ShowAlarmMessage(const AlarmEvent& event, const QIcon& picture)
{
    auto* message = new TMsgOut(m_services, m_settings, &m_clock, this,
                                [dates = m_dates](const QDateTime& moment) { return dates.titleClock(moment); });
    message->setMessage(alarmMessageText(event.message, event.time24, m_dates));
    if (!picture.isNull())
        message->setPicture(picture.pixmap(32, 32));
    connect(message, &TMsgOut::remindRequested, this,
            [this](const QString& playTimes) { PlaySound(playTimes, m_songBox->song()); });
    m_messageWindows.append(message);
    message->show();
    m_services.taskbar->show();
    message->repaint();
}

QList<QRect> TfrmMain::openMessageFrames()
{
    m_messageWindows.removeAll(nullptr);
    QList<QRect> frames;
    for (const QPointer<TMsgOut>& message : std::as_const(m_messageWindows)) {
        if (message->isVisible())
            frames.append(message->frameGeometry());
    }
    return frames;
}

void TfrmMain::RunApplication(const QString& command)
{
    if (m_services.commands->start(command))
        return;
    m_services.dialogs->message(tr("Failing to run application. Please check the path and filename are correct."),
                                Dialogs::Icon::Error, QStringLiteral("Error"), this);
}

void TfrmMain::PlaySound(const QString& playTimes, const QString& song)
{
    SoundOptions options;
    options.soundOn = m_options.soundOn;
    options.speakerMode = m_songBox->speakerMode();
    options.swapToSpeaker = m_options.swapToSpeaker;
    options.showErrorMessage = m_options.showErrMsg;
    m_sound->play(playTimes, song, m_programDir, options);
}

void TfrmMain::showSoundWarning(const QString& text, SoundPlayer::Warning kind)
{
    if (kind == SoundPlayer::Warning::Missing)
        m_services.taskbar->show();
    auto* warning = new TWarning(&m_clock);
    warning->setText(text);
    moveClearOf(*warning, openMessageFrames());
    warning->show();
    if (kind != SoundPlayer::Warning::Missing)
        warning->makeTopmost();
}

void TfrmMain::btnTestSongsClick()
{
    m_sound->testSong(m_songBox->song(), m_programDir, m_songBox->speakerMode());
}

void TfrmMain::btnStopClick()
{
    StopSound();
}

void TfrmMain::StopSound()
{
    m_sound->stop();
}

void TfrmMain::ChimeCheck(int minute)
{
    if (m_chimeBox->strikes(minute, m_options.chimeAtExactMinute))
        m_services.wave->play(m_programDir + QStringLiteral("didi.snd"), WavePlayer::Mode::Async);
}
