// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the tray: the start-up decision and the "Show icon in tray" switch.
#include "app/tfrmmain.h"
#include "platform/dialogs.h"
#include "platform/taskbarbutton.h"
#include "platform/trayiconhost.h"
#include "settings/tsetup.h"
#include "tray/tform2.h"
#include "widgets/alarmlistpanel.h"

#include <QAction>
#include <QTimer>

namespace {
// A notification area that starts with the desktop can come up some seconds after the program:
// it is looked for every half second, for ten seconds.
constexpr int trayWaitIntervalMs = 500;
constexpr int trayWaitTicks = 20;
} // namespace

void TfrmMain::decideTrayMode()
{
    m_trayMode = false;
    const bool startInTray = m_options.loadAtStartup;
    if (!startInTray && !m_options.showIconInTray) {
        show();
        return;
    }
    if (m_services.tray->available()) {
        if (createTrayWindow() && !startInTray)
            show();
        return;
    }
    if (!startInTray)
        show();
    TrayWaitTimer = new QTimer(this);
    TrayWaitTimer->setObjectName(QStringLiteral("TrayWaitTimer"));
    TrayWaitTimer->setInterval(trayWaitIntervalMs);
    connect(TrayWaitTimer, &QTimer::timeout, this, &TfrmMain::TrayWaitTimerTimer);
    m_trayWaitTicks = 0;
    TrayWaitTimer->start();
}

void TfrmMain::TrayWaitTimerTimer()
{
    // The user's own switch may have settled it meanwhile.
    if (m_tray || (!m_options.loadAtStartup && !m_options.showIconInTray)) {
        TrayWaitTimer->stop();
        return;
    }
    if (m_services.tray->available()) {
        TrayWaitTimer->stop();
        if (createTrayWindow() && m_list->alarmsDisabled())
            m_tray->ChangeSysTrayIcon(TForm2::AlarmsDisabled);
        return;
    }
    if (++m_trayWaitTicks < trayWaitTicks)
        return;
    TrayWaitTimer->stop();
    trayIconMissing();
}

bool TfrmMain::createTrayWindow()
{
    auto* tray = new TForm2(m_services, this);
    if (!tray->hasTrayIcon()) {
        delete tray;
        trayIconMissing();
        return false;
    }
    // The tray's commands run what the same commands of this window run.
    connect(tray, &TForm2::aboutRequested, smAbout, &QAction::trigger);
    connect(tray, &TForm2::alarmSetRequested, this, &TfrmMain::trayAlarmSetRequested);
    connect(tray, &TForm2::showRequested, mShow, &QAction::trigger);
    connect(tray, &TForm2::settingsRequested, mnuSettings, &QAction::trigger);
    connect(tray, &TForm2::helpRequested, smACHelp, &QAction::trigger);
    connect(tray, &TForm2::stopRequested, this, &TfrmMain::StopSound);
    connect(tray, &TForm2::disableAllRequested, this, &TfrmMain::trayDisableAllRequested);
    connect(tray, &TForm2::removeRequested, this, &TfrmMain::quitRequested);
    connect(tray, &TForm2::menuOpening, this, &TfrmMain::updateTrayMenu);
    // A StatusNotifierItem host may show the menu as it last read it, before the opening's update:
    // the menu follows every change at once.
    for (QAction* own : {smAbout, mShow, mnuSettings, smACHelp})
        connect(own, &QAction::enabledChanged, tray, [this] { updateTrayMenu(); });
    m_tray = tray;
    updateTrayMenu();
    m_trayMode = true;
    return true;
}

void TfrmMain::trayAlarmSetRequested()
{
    m_services.taskbar->show();
    showNormal();
    raise();
    activateWindow();
}

void TfrmMain::trayDisableAllRequested(bool disabled)
{
    m_list->pressDisabledAll(disabled);
}

void TfrmMain::updateTrayMenu()
{
    // Commands that this window cannot offer yet are greyed in the tray menu too.
    m_tray->setMenuState({.alarmsDisabled = m_list->alarmsDisabled(),
                          .aboutEnabled = smAbout->isEnabled(),
                          .showEnabled = mShow->isEnabled(),
                          .settingsEnabled = mnuSettings->isEnabled(),
                          .helpEnabled = smACHelp->isEnabled()});
}

void TfrmMain::showAlarmsStateInTray()
{
    if (!m_tray)
        return;
    m_tray->ChangeSysTrayIcon(m_list->alarmsDisabled() ? TForm2::AlarmsDisabled : TForm2::AlarmsEnabled);
    updateTrayMenu();
}

void TfrmMain::trayIconMissing()
{
    m_trayMode = false;
    // Left ticked, the box would bring the message back at every start.
    m_setup.dropIconInTray();
    show();
    m_services.dialogs->inform(tr("No notification area was found: the program runs without its tray icon."), this);
}

void TfrmMain::trayIconSwitched(bool on)
{
    m_services.taskbar->show();
    if (!m_tray && on) {
        if (createTrayWindow())
            showAlarmsStateInTray();
    } else if (m_tray && !on) {
        m_trayMode = false;
        m_tray->RemoveSysTrayIcon();
        delete m_tray;
        show();
        m_setup.raise();
        m_setup.activateWindow();
    }
}
