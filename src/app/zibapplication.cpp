// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/zibapplication.h"

#include "app/tfrmmain.h"
#include "clock/tsmallclock.h"
#include "core/programinfo.h"
#include "platform/dialogs.h"
#include "platform/instancelock.h"
#include "settings/tsetup.h"

ZibApplication::ZibApplication(const PlatformServices& services, SettingsService& settings, QString programDir)
    : m_services(services)
    , m_settings(settings)
    , m_programDir(std::move(programDir))
{}

ZibApplication::~ZibApplication()
{
    // The main window refers to the settings window and the clock; it goes first.
    m_main.reset();
    m_setup.reset();
    m_clock.reset();
}

ZibApplication::StartResult ZibApplication::start(InstanceLock& lock)
{
    if (!lock.acquire()) {
        m_services.dialogs->beep();
        //: After the program's name.
        m_services.dialogs->inform(ProgramInfo::name() + tr(" is already running."));
        return StartResult::AlreadyRunning;
    }
    m_clock = std::make_unique<TSmallClock>(m_services, m_settings);
    m_setup = std::make_unique<TSetUp>(m_services, m_settings, m_programDir, m_clock.get());
    m_main = std::make_unique<TfrmMain>(m_services, m_settings, m_programDir, *m_clock, *m_setup);
    connect(m_main.get(), &TfrmMain::quitRequested, this, &ZibApplication::quitRequested);
    m_clock->setMainWindow(m_main.get());
    connect(m_clock.get(), &TSmallClock::stopRequested, m_main.get(), &TfrmMain::StopSound);
    if (m_clock->showAtStart())
        m_clock->show();
    if (!m_main->finishStartup())
        return StartResult::NoEventsFile;
    return StartResult::Running;
}
