// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platformservices.h"

#include <QIcon>
#include <QWidget>
#include <array>

class QAction;
class QMenu;
class TTrayIcon;

/// The tray window: never shown, it exists while the program keeps its icon in the notification
/// area and owns that icon and its menu. Its commands are signals: whoever creates it connects
/// them to the handlers of the window they drive.
class TForm2 : public QWidget
{
    Q_OBJECT

public:
    enum TrayImage { AlarmsEnabled = 0, AlarmsDisabled = 1 };

    /// What the menu shows as it opens: its check, and which commands can run now.
    struct MenuState
    {
        bool alarmsDisabled = false;
        bool aboutEnabled = true;
        bool showEnabled = true;
        bool settingsEnabled = true;
        bool helpEnabled = true;
    };

    /// Adds the tray icon at once; see hasTrayIcon().
    explicit TForm2(const PlatformServices& services, QWidget* parent = nullptr);
    ~TForm2() override;

    /// False when the desktop had no notification area for the icon.
    bool hasTrayIcon() const;
    TTrayIcon* trayIcon() const { return m_trayIcon; }
    const QIcon& trayImage(TrayImage which) const { return ilOnOff.at(which); }

public slots:
    void ChangeSysTrayIcon(int index);
    void RemoveSysTrayIcon();
    void setMenuState(const TForm2::MenuState& state);

signals:
    void aboutRequested();
    /// "Alarm Set": bring the main window up.
    void alarmSetRequested();
    void showRequested();
    void settingsRequested();
    void helpRequested();
    /// "Stop", or a left press on the icon.
    void stopRequested();
    /// "Disabled" was chosen; `disabled` is the state the user asks for.
    void disableAllRequested(bool disabled);
    /// "Remove": the user ends the program.
    void removeRequested();
    /// The menu is about to open: the receiver answers with setMenuState().
    void menuOpening();

private slots:
    void trayIconRightButtonDown(const QPoint& cursor);

private:
    void FormCreate();
    void createMenu();

    std::array<QIcon, 2> ilOnOff;
    PlatformServices m_services;
    TTrayIcon* m_trayIcon = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* About1 = nullptr;
    QAction* mnuShow = nullptr;
    QAction* mnuSettings = nullptr;
    QAction* mnuSubHelp = nullptr;
    QAction* mnuDisabled = nullptr;
};
