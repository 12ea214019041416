#pragma once

#include "platform/platformservices.h"

#include <QIcon>
#include <QWidget>
#include <array>

class QAction;
class QMenu;
class TTrayIcon;
class TfrmMain;

/// The tray window: never shown, it exists while the program keeps its icon in the notification
/// area and owns that icon and its menu. Other windows find it by its caption "Form2".
class TForm2 : public QWidget
{
    Q_OBJECT

public:
    enum TrayImage { AlarmsEnabled = 0, AlarmsDisabled = 1 };

    /// Adds the tray icon at once; see hasTrayIcon().
    TForm2(TfrmMain& mainWindow, const PlatformServices& services, QWidget* parent = nullptr);
    ~TForm2() override;

    /// The open tray window, looked up by its caption as every other window does.
    static TForm2* find();

    /// False when the desktop had no notification area for the icon.
    bool hasTrayIcon() const;
    TTrayIcon* trayIcon() const { return m_trayIcon; }

    void ChangeSysTrayIcon(int index);
    void RemoveSysTrayIcon();

    std::array<QIcon, 2> ilOnOff;
    QMenu* PopupMenu1 = nullptr;
    QAction* About1 = nullptr;
    QAction* mnuAlarmSet = nullptr;
    QAction* mnuShow = nullptr;
    QAction* mnuSettings = nullptr;
    QAction* mnuSubHelp = nullptr;
    QAction* mnuStop = nullptr;
    QAction* mnuDisabled = nullptr;
    QAction* Remove1 = nullptr;

signals:
    /// "Remove": the user ends the program.
    void removeRequested();

private slots:
    void PopupMenu1Popup();
    void mnuAlarmSetClick();
    void mnuStopClick();
    void mnuDisabledClick();
    void trayIconRightButtonDown(const QPoint& cursor);

private:
    void FormCreate();
    void createMenu();

    TfrmMain& m_main;
    PlatformServices m_services;
    TTrayIcon* m_trayIcon = nullptr;
};
