// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/dateformats.h"
#include "alarms/sortkeys.h"
#include "platform/platformservices.h"
#include "popups/tinputmsg.h"
#include "settings/alarmoptions.h"
#include "trigger/soundplayer.h"
#include "trigger/speakerrepeat.h"

#include <QDateTime>
#include <QMainWindow>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class AlarmListModel;
class AlarmListPanel;
class ChimeBox;
class EditorGroup;
struct AlarmEvent;
struct EventsLoadContext;
class QAction;
class QIcon;
class QPushButton;
class QTimer;
class SettingsService;
class SongBox;
class TAboutBox;
class TBTBeeper;
class TForm2;
class TMsgOut;
class TSetUp;
class TSmallClock;

/// The main window: the alarm list, the editor, the song and chime boxes and the menu. It wires
/// its child widgets together and runs the commands that they announce. Its members are defined
/// by concern in tfrmmain.cpp and the tfrmmain_*.cpp files beside it, named below.
class TfrmMain : public QMainWindow
{
    Q_OBJECT

public:
    /// programDir: the program folder, ending in a separator.
    TfrmMain(const PlatformServices& services, SettingsService& settings, QString programDir, TSmallClock& clock,
             TSetUp& setup, QWidget* parent = nullptr);
    ~TfrmMain() override;

    /// The last steps of the window's creation: tray decision, the events file name, loading the
    /// list and starting the main timer. False when the user gave no file name: the program ends.
    bool finishStartup();

    AlarmListModel& alarms() { return *m_alarms; }
    bool trayMode() const { return m_trayMode; }
    void setTrayMode(bool on) { m_trayMode = on; }
    QString eventsFilePath() const;

    // Events file (tfrmmain_eventsfile.cpp)
    bool SaveAlarmEvents();
    void LoadAlarmEvents();
    bool CopyFileData(const QString& source, const QString& destination);
    /// Finishes a save of the events file that a crash cut short; start-up runs it before loading.
    void completeInterruptedSave();

    // Main timer, sound, chime and commands (tfrmmain_trigger.cpp)
    /// Plays the chosen song; every caller passes the song box's text as the song.
    void PlaySound(const QString& playTimes, const QString& song);
    /// The Stop command of the stop button, the tray menu and the desktop clock.
    void StopSound();

    // Editor (tfrmmain_editor.cpp)
    /// The effective date, "yyyy/mm/dd".
    QString GetFormatChosenDate() const;
    /// The Days of the "Monthly" row last taken into the editor.
    QString GetThoseDays() const;
    using InputMsgRunner = std::function<InputMsgResult(const QString& initialMessage)>;
    /// Replaces the message input window with a scripted one (tests).
    void setInputMsgRunner(InputMsgRunner runner) { runInputMsg = std::move(runner); }

    // List sorting (tfrmmain_sort.cpp)
    /// The comparison that a header click's sort calls: negative puts item1 first.
    int lvMainCompare(const AlarmEvent& item1, const AlarmEvent& item2) const;

signals:
    /// The user ended the program (Exit with tray mode off, or the tray menu's "Remove").
    void quitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void btnExitClick();
    void mShowClick(); // tfrmmain_show.cpp
    void mnuSettingsClick();
    void smACHelpClick();
    void ApplicationActivate();
    // Main timer, sound, chime (tfrmmain_trigger.cpp)
    void MainTimerTimer();
    void btnTestSongsClick();
    void btnStopClick();
    // List commands (tfrmmain_listcommands.cpp)
    void sbLoadClick();
    void btnSaveClick();
    void btnCopyClick();
    void btnDeleteClick();
    void btnClearAllClick();
    void btnDisabledAllClick();
    // Tray window (tfrmmain_tray.cpp)
    void trayIconSwitched(bool on);
    void TrayWaitTimerTimer();
    void trayAlarmSetRequested();
    void trayDisableAllRequested(bool disabled);
    // The tray menu's check and enabled commands follow this window's.
    void updateTrayMenu();
    // Editor (tfrmmain_editor.cpp)
    void btnAddClick();
    void btnAddMsgClick();
    void btnEditClick();
    // List sorting (tfrmmain_sort.cpp), about box and days view (tfrmmain_popups.cpp)
    void lvMainColumnClick(int column);
    void smAboutClick();
    void lvMainDblClick();

private:
    // Editor (tfrmmain_editor.cpp)
    void connectEditor();
    void ValidateTimeAndAdd(bool withMessage);
    bool AddAlarmEvent(const QString& message, qint16 imageIndex);
    void loadRowIntoEditor(int row);
    void LeaveEditMode();
    void DeleteEditedEvent();
    bool CheckTimeCells();
    QString LastMessage;
    bool MessageConsumed = true;
    /// Shows the message input window and returns what the user left in it.
    InputMsgRunner runInputMsg;
    /// The row on which Editing mode began; it follows the row while rows move or go.
    QPersistentModelIndex EditedIndex;
    // Tray window (tfrmmain_tray.cpp)
    /// Start-up's choice between the tray and the shown window.
    void decideTrayMode();
    /// Creates the tray window and switches tray mode on. Without a notification area it says so,
    /// and the program goes on without tray mode, this window shown.
    bool createTrayWindow();
    void trayIconMissing();
    /// The tray icon shows whether every alarm is disabled.
    void showAlarmsStateInTray();
    /// The tray window this window created, while it lives.
    QPointer<TForm2> m_tray;
    /// At start-up, looks again and again for a notification area that the desktop brings up late.
    QTimer* TrayWaitTimer = nullptr;
    int m_trayWaitTicks = 0;

    void FormCreate();
    void createControls();
    void createMenu();
    void layOutControls();
    void connectListCommands();
    void lvMainSelectItem(bool selected);
    void LoadMainFormSettings();
    void SaveSongSettings();
    void UpDateMyShortDateNDateTimeFormat();
    QString GetAlarmEventsFileName();
    void refreshEffectiveDateAfterSettings();
    QString readSetting(const QString& name) const;
    bool writeSetting(const QString& name, const QString& value);
    QString today() const;
    QString now24() const;
    void createTrigger();
    void FireAlarmEvent(int row);
    void restartMainTimer();
    void ShowAlarmMessage(const AlarmEvent& event, const QIcon& picture);
    void RunApplication(const QString& command);
    void showSoundWarning(const QString& text, SoundPlayer::Warning kind);
    // Frames of the alarms' message windows still on screen; closed ones are forgotten.
    QList<QRect> openMessageFrames();
    void ChimeCheck(int minute);
    /// The loader's context with the given moment standing for now.
    EventsLoadContext loadContext(const QString& lastCheckDate, const QString& lastCheckTime) const;
    /// A message window of its own for a report of the program's (the loader's, the missed alarms).
    void showReportWindow(const QString& text);

    // What came due while the program was not watching (src/app/tfrmmain_missed.cpp)
    /// Reads the moment the previous run last watched the clock, reports what it missed since, and
    /// keeps the moment of this start.
    void reportMissedSinceLastRun();
    void reportMissedAlarms(const std::vector<AlarmEvent>& events, const QDateTime& watchedUntil,
                            const QDateTime& resumedAt);
    void writeLastWatch(const QDateTime& moment);

    // Child widgets and the controls that are the window's own.
    AlarmListPanel* m_list = nullptr;
    EditorGroup* m_editor = nullptr;
    SongBox* m_songBox = nullptr;
    ChimeBox* m_chimeBox = nullptr;
    QPushButton* btnExit = nullptr;
    QTimer* MainTimer = nullptr;
    QAction* mShow = nullptr;
    QAction* mnuSettings = nullptr;
    QAction* smACHelp = nullptr;
    QAction* smAbout = nullptr;
    TBTBeeper* BTBeeper1 = nullptr;

    PlatformServices m_services;
    SettingsService& m_settings;
    QString m_programDir;
    TSmallClock& m_clock;
    TSetUp& m_setup;
    /// The settings window's options, as it last announced them.
    AlarmOptions m_options;
    AlarmListModel* m_alarms = nullptr;
    DateFormats m_dates;

    QString m_eventsFileName;
    bool m_trayMode = false;
    /// While the loader runs nothing may fire: a partly loaded list must not be saved over the file.
    bool m_loading = false;

    QString LastCheckDate;
    QString LastCheckTime;
    /// Today, as the due scan last stored it; the sort on "PT" reads it.
    QString LastExamineDate;
    SpeakerRepeat m_speakerRepeat;
    /// The moment of the last tick that watched the list; a change of day reports what came due
    /// between it and the new day's first moment.
    QDateTime m_lastTick;
    std::unique_ptr<SoundPlayer> m_sound;
    // List sorting and about box
    /// The last clicked column of the list.
    int SortColumn = 0;
    /// Today and the captions as the current sort began: one sort compares with one day.
    SortKeys::Context m_sortContext;
    QPointer<TAboutBox> m_aboutBox;
    // The alarms' message windows; a sound warning is placed clear of those still open.
    QList<QPointer<TMsgOut>> m_messageWindows;
};
