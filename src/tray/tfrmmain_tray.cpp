// The main window's side of the tray: the start-up decision and the "Show icon in tray" switch.
#include "app/tfrmmain.h"
#include "platform/dialogs.h"
#include "platform/taskbarbutton.h"
#include "settings/tsetup.h"
#include "tray/tform2.h"

#include <QToolButton>

void TfrmMain::decideTrayMode()
{
    m_trayMode = false;
    const bool startInTray = m_setup.loadAtStartup();
    if ((startInTray || m_setup.showIconInTray()) && createTrayWindow() && startInTray)
        return;
    show();
}

TForm2* TfrmMain::createTrayWindow()
{
    auto* tray = new TForm2(*this, m_services, this);
    if (!tray->hasTrayIcon()) {
        delete tray;
        m_trayMode = false;
        show();
        m_services.dialogs->inform(
            QStringLiteral("No notification area was found: the program runs without its tray icon."), this);
        return nullptr;
    }
    connect(tray, &TForm2::removeRequested, this, &TfrmMain::quitRequested);
    m_trayMode = true;
    return tray;
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
