// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platformservices.h"

#include <QObject>
#include <memory>

class InstanceLock;
class SettingsService;
class TSmallClock;
class TSetUp;
class TfrmMain;

/// The program's start-up: one instance, then the three windows that live for the whole run,
/// in their fixed order.
class ZibApplication : public QObject
{
    Q_OBJECT

public:
    enum class StartResult { Running, AlreadyRunning, NoEventsFile };

    /// programDir: the program folder, ending in a separator.
    ZibApplication(const PlatformServices& services, SettingsService& settings, QString programDir);
    ~ZibApplication() override;

    StartResult start(InstanceLock& lock);

    TSmallClock* clock() const { return m_clock.get(); }
    TSetUp* setup() const { return m_setup.get(); }
    TfrmMain* mainWindow() const { return m_main.get(); }

signals:
    /// The user ended the program.
    void quitRequested();

private:
    PlatformServices m_services;
    SettingsService& m_settings;
    QString m_programDir;
    std::unique_ptr<TSmallClock> m_clock;
    std::unique_ptr<TSetUp> m_setup;
    std::unique_ptr<TfrmMain> m_main;
};
