#pragma once

#include "alarms/dateformats.h"
#include "alarms/sortkeys.h"
#include "alarms/timegrid.h"
#include "platform/platformservices.h"
#include "popups/tinputmsg.h"
#include "settings/alarmoptions.h"
#include "trigger/chime.h"
#include "trigger/soundplayer.h"
#include "trigger/speakerrepeat.h"
#include "widgets/dropdowncombobox.h"
#include "widgets/updown.h"

#include <QColor>
#include <QMainWindow>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class AlarmListModel;
struct AlarmEvent;
class QAction;
class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QIcon;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTimer;
class QToolButton;
class QTreeView;
class SettingsService;
class TAboutBox;
class TBTBeeper;
class TForm2;
class TSetUp;
class TSmallClock;

/// The main window: the alarm list, the editor, the song and chime controls and the menu.
/// Its methods are split by concern over src/app, src/alarms and src/trigger.
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

    // Events file (src/alarms/tfrmmain_eventsfile.cpp)
    bool SaveAlarmEvents();
    void LoadAlarmEvents();
    bool CopyFileData(const QString& source, const QString& destination);
    /// Finishes a save of the events file that a crash cut short; start-up runs it before loading.
    void completeInterruptedSave();

    // Main timer, sound, chime and commands (src/trigger/tfrmmain_trigger.cpp)
    /// Plays the chosen song; every caller passes the song box's text as the song.
    void PlaySound(const QString& playTimes, const QString& song);
    /// The Stop command of the stop button, the tray menu and the desktop clock.
    void StopSound();

    // ---- Editor and time grid (src/alarms/tfrmmain_editor.cpp, src/alarms/tfrmmain_timegrid.cpp) ----
    /// The effective date, "yyyy/mm/dd".
    QString GetFormatChosenDate() const { return ChosenDate; }
    /// The Days of the "Monthly" row last taken into the editor.
    QString GetThoseDays() const { return ThoseDays; }
    /// Shows the message input window and returns what the user left in it; tests script it.
    std::function<InputMsgResult(const QString& initialMessage)> runInputMsg;
    // ---- end of editor and time grid ----

    // ---- List sorting (src/alarms/tfrmmain_sort.cpp) ----
    /// The comparison that a header click's sort calls: negative puts item1 first.
    int lvMainCompare(const AlarmEvent& item1, const AlarmEvent& item2) const;
    // ---- end of list sorting ----

signals:
    /// The user ended the program (Exit with tray mode off, or the tray menu's "Remove").
    void quitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void btnExitClick();
    void mShowClick(); // src/clock/tfrmmain_show.cpp
    void mnuSettingsClick();
    void smACHelpClick();
    // Song box (src/app/tfrmmain_songbox.cpp)
    void rbWaveMouseUp();
    void rbInternalSpeakerMouseUp();
    void cbTestSongsClick();
    void cbTestSongsDropDown();
    void ApplicationActivate();
    // Main timer, sound, chime (src/trigger/tfrmmain_trigger.cpp)
    void MainTimerTimer();
    void btnTestSongsClick();
    void btnStopClick();
    void cbChimeTimeChange();
    // List commands (src/alarms/tfrmmain_listcommands.cpp)
    void sbLoadClick();
    void btnSaveClick();
    void btnCopyClick();
    void btnDeleteClick();
    void btnClearAllClick();
    void btnDisabledAllClick();
    // Tray window (src/app/tfrmmain_tray.cpp)
    void trayIconSwitched(bool on);
    void TrayWaitTimerTimer();
    void trayAlarmSetRequested();
    void trayDisableAllRequested(bool disabled);
    void trayMenuOpening();
    // ---- Editor and time grid ----
    void btnAddClick();
    void btnAddMsgClick();
    void btnEditClick();
    void lblEffectiveDateClick();
    void MonthCalendar1Click();
    void MonthCalendar1GetMonthInfo();
    void cbScheduleExit();
    void sgTimeSelectCell(int column, int previousColumn);
    void sgTimeKeyUp();
    void UpDown1Click(UpDown::Button button);
    // ---- end of editor and time grid ----
    // ---- List sorting, about box and days view (src/alarms/tfrmmain_sort.cpp, src/popups/tfrmmain_popups.cpp) ----
    void lvMainColumnClick(int column);
    void smAboutClick();
    void lvMainDblClick();
    // ---- end of list sorting, about box and days view ----

private:
    // ---- Editor and time grid ----
    void connectEditor();
    bool editorEvent(QObject* watched, QEvent* event);
    void ValidateTimeAndAdd(bool withMessage);
    bool AddAlarmEvent(const QString& message, qint16 imageIndex);
    void loadRowIntoEditor(int row);
    void LeaveEditMode();
    void DeleteEditedEvent();
    void setListCommandsEnabled(bool enabled);
    void setEditorCaption(const QString& caption);
    void SetEffectiveDate(const QDate& date);
    void SetChosenDate(const QDate& date);
    /// True when the key was taken by the grid's own rules.
    bool sgTimeKeyPress(QKeyEvent* event);
    bool CheckTimeCells();
    TimeGridCells gridCells() const;
    void setGridCells(const TimeGridCells& cells);
    void ShowTimeInGrid(const QString& time24);
    QString ThoseDays;
    QString LastMessage;
    bool MessageConsumed = true;
    /// The row on which Editing mode began; it follows the row while rows move or go.
    QPersistentModelIndex EditedIndex;
    bool MonthInfoRequested = false;
    /// The current cell has been typed into since it became current: keys extend its text.
    bool m_gridTyping = false;
    /// Hands the events of a few editor controls to editorEvent().
    QObject* m_editorHook = nullptr;
    // ---- end of editor and time grid ----
    // Tray window (src/app/tfrmmain_tray.cpp)
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
    void lvMainExit();
    int selectedRow() const;
    /// The selected row for Copy and Delete; without a selection in the list, a beep and -1.
    int rowToActOn();
    /// Removes a row; when the view moves the selection on from it, no row is left chosen.
    void removeAlarmRow(int row);
    void LoadMainFormSettings();
    void FillWaveList();
    void SaveSongSettings();
    void fillSongBox(const QString& outputDevice, const QString& songName);
    void UpDateMyShortDateNDateTimeFormat();
    void ShowTimeInGrid(const QTime& time);
    QString GetAlarmEventsFileName();
    void refreshEffectiveDateAfterSettings();
    void setEffectiveDateColours(bool today);
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
    void ChimeCheck(int minute);

public:
    // Controls, by their given names.
    QTreeView* lvMain = nullptr;
    QToolButton* sbLoad = nullptr;
    QToolButton* btnSave = nullptr;
    QPushButton* btnEdit = nullptr;
    QToolButton* btnCopy = nullptr;
    QToolButton* btnDelete = nullptr;
    QPushButton* btnClearAll = nullptr;
    QToolButton* btnDisabledAll = nullptr;
    QGroupBox* gbInp = nullptr;
    QLabel* lblMain = nullptr;
    QTableWidget* sgTime = nullptr;
    UpDown* UpDown1 = nullptr;
    QComboBox* cbSchedule = nullptr;
    QComboBox* cbPlayTimes = nullptr;
    QLineEdit* edRunPara = nullptr;
    QToolButton* btnTestRunApp = nullptr;
    QLabel* lblEffectiveDate = nullptr;
    QPushButton* btnAddMsg = nullptr;
    QPushButton* btnAdd = nullptr;
    QCalendarWidget* MonthCalendar1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* rbWave = nullptr;
    QRadioButton* rbInternalSpeaker = nullptr;
    DropDownComboBox* cbTestSongs = nullptr;
    QToolButton* btnTestSongs = nullptr;
    QToolButton* btnStop = nullptr;
    QCheckBox* chkSnooze = nullptr;
    DropDownComboBox* cbChimeTime = nullptr;
    QPushButton* btnExit = nullptr;
    QTimer* MainTimer = nullptr;
    QAction* mShow = nullptr;
    QAction* mnuSettings = nullptr;
    QAction* smACHelp = nullptr;
    QAction* smAbout = nullptr;
    TBTBeeper* BTBeeper1 = nullptr;

private:
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
    /// A row is selected and the list has kept the focus since.
    bool ItemSelected = false;
    /// The program is removing a row: selection changes are the view's, not the user's.
    bool m_removingRow = false;

    QString DisplayDateFormat;
    QString ChosenDate;
    QString LastCheckDate;
    QString LastCheckTime;
    QColor EffDateFontColor;
    QColor EffDateBackColor;
    /// Today, as the due scan last stored it; the sort on "PT" reads it.
    QString LastExamineDate;
    SpeakerRepeat m_speakerRepeat;
    Chime m_chime;
    std::unique_ptr<SoundPlayer> m_sound;
    // ---- List sorting and about box ----
    /// The last clicked column of the list.
    int SortColumn = 0;
    /// Today and the captions as the current sort began: one sort compares with one day.
    SortKeys::Context m_sortContext;
    QPointer<TAboutBox> m_aboutBox;
    // ---- end of list sorting and about box ----
};
