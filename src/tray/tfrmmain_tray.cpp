// The main window's side of the tray: the start-up decision and the "Show icon in tray" switch.
#include "app/tfrmmain.h"
#include "platform/dialogs.h"
#include "platform/taskbarbutton.h"
#include "platform/trayiconhost.h"
#include "settings/tsetup.h"
#include "tray/tform2.h"

#include <QTimer>
#include <QToolButton>

namespace {
// A notification area that starts with the desktop can come up some seconds after the program:
// it is looked for every half second, for ten seconds.
constexpr int trayWaitIntervalMs = 500;
constexpr int trayWaitTicks = 20;
} // namespace

void TfrmMain::decideTrayMode()
{
    m_trayMode = false;
    const bool startInTray = m_setup.loadAtStartup();
    if (!startInTray && !m_setup.showIconInTray()) {
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
    if (TForm2::find() || (!m_setup.loadAtStartup() && !m_setup.showIconInTray())) {
        TrayWaitTimer->stop();
        return;
    }
    if (m_services.tray->available()) {
        TrayWaitTimer->stop();
        if (TForm2* created = createTrayWindow(); created && btnDisabledAll->isChecked())
            created->ChangeSysTrayIcon(TForm2::AlarmsDisabled);
        return;
    }
    if (++m_trayWaitTicks < trayWaitTicks)
        return;
    TrayWaitTimer->stop();
    trayIconMissing();
}

TForm2* TfrmMain::createTrayWindow()
{
    auto* tray = new TForm2(*this, m_services, this);
    if (!tray->hasTrayIcon()) {
        delete tray;
        trayIconMissing();
        return nullptr;
    }
    connect(tray, &TForm2::removeRequested, this, &TfrmMain::quitRequested);
    m_trayMode = true;
    return tray;
}

void TfrmMain::trayIconMissing()
{
    m_trayMode = false;
    // Left ticked, the box would bring the message back at every start.
    m_setup.dropIconInTray();
    show();
    m_services.dialogs->inform(
        QStringLiteral("No notification area was found: the program runs without its tray icon."), this);
}

void TfrmMain::trayIconSwitched(bool on)
{
    m_services.taskbar->show();
    TForm2* tray = TForm2::find();
    if (!tray && on) {
        if (TForm2* created = createTrayWindow())
            created->ChangeSysTrayIcon(btnDisabledAll->isChecked() ? TForm2::AlarmsDisabled : TForm2::AlarmsEnabled);
    } else if (tray && !on) {
        m_trayMode = false;
        tray->RemoveSysTrayIcon();
        delete tray;
        show();
        m_setup.raise();
        m_setup.activateWindow();
    }
}
