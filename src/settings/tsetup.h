// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platformservices.h"
#include "settings/alarmoptions.h"

#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>

class DropDownComboBox;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class SettingCheckBox;
class SettingsService;

/// The settings window. Created once at start and hidden; its controls are the program's live
/// copy of the options, and every change is stored the moment it is made.
class TSetUp : public QMainWindow
{
    Q_OBJECT

public:
    /// Asks the user for a font, starting from current; empty on Cancel.
    using FontChooser = std::function<std::optional<QFont>(const QFont& current, QWidget* parent)>;

    /// programDir: the program folder, ending in a separator. desktopClock goes back on top and
    /// takes the focus on Close when it is showing.
    TSetUp(const PlatformServices& services, SettingsService& settings, QString programDir, QWidget* desktopClock,
           QWidget* parent = nullptr);

    /// The window that gets the focus on Close when the desktop clock is not showing.
    void setMainWindow(QWidget* mainWindow);
    void setFontChooser(FontChooser chooser);

    /// The options as the controls hold them now; optionsChanged() tells of every change.
    AlarmOptions options() const;
    /// There is no notification area: unticks "Show icon in tray" and stores that, so that the
    /// next start does not try again.
    void dropIconInTray();

    static QStringList datePatterns();

signals:
    void optionsChanged(const AlarmOptions& options);
    /// Close was chosen: the main window refreshes its date format and effective-date label.
    void aboutToClose();
    void trayIconSwitched(bool on);
    void listFontApplied(const QFont& font);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void mnuCloseClick();
    void chkThisFormatClick();
    void cbDateFormatDropDown();
    void cbDateFormatClick();
    void edThisSeparatorKeyUp();
    void tabDateShow();
    void btnFontsClick();
    void btnApplyMiscClick();

private:
    void FormCreate();
    void buildControls();
    void buildSoundTab();
    void buildAlarmTab();
    void buildDateTab();
    void buildStartupTab();
    void buildScreenTab();
    void LoadSettings();
    void connectSaveSteps();
    void connectAnnouncements();
    void ApplyStartup();
    void ApplyTrayIcon();
    bool AddRunEntry(const QString& name, const QString& path);
    bool RemoveRunEntry(const QString& name);
    void reportRunEntryFailure();
    bool writeFlag(const QString& name, const QCheckBox* box);
    QString read(const QString& name) const;
    bool write(const QString& name, const QString& value);

    PlatformServices m_services;
    SettingsService& m_settings;
    QString m_programDir;
    QPointer<QWidget> m_desktopClock;
    QPointer<QWidget> m_mainWindow;
    FontChooser m_fontChooser;
    QFont m_dialogFont;
    std::optional<QFont> m_chosenFont;

    QAction* mnuClose = nullptr;
    QTabWidget* pcSettings = nullptr;
    QWidget* tabSound = nullptr;
    QWidget* tabAlarm = nullptr;
    QWidget* tabDate = nullptr;
    QWidget* tabStartup = nullptr;
    QWidget* tabScreen = nullptr;
    SettingCheckBox* chkSoundOn = nullptr;
    SettingCheckBox* chkShowErrMsg = nullptr;
    SettingCheckBox* chkSwap = nullptr;
    SettingCheckBox* chkRemove = nullptr;
    QCheckBox* chkChimeAtMin = nullptr;
    QLabel* lblCurFormat = nullptr;
    QLineEdit* edCurFormat = nullptr;
    QLabel* lblSeparator = nullptr;
    QLineEdit* edSeparator = nullptr;
    SettingCheckBox* chkThisFormat = nullptr;
    DropDownComboBox* cbDateFormat = nullptr;
    SettingCheckBox* chkThisSeparator = nullptr;
    QLineEdit* edThisSeparator = nullptr;
    SettingCheckBox* chkStartup = nullptr;
    SettingCheckBox* chkInTray = nullptr;
    QGroupBox* gbMainList = nullptr;
    QLineEdit* edFontName = nullptr;
    QLineEdit* edFontSize = nullptr;
    QPushButton* btnFonts = nullptr;
    QPushButton* btnApplyMisc = nullptr;
};
