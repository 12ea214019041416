// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/tfrmmain.h"
#include "clock/tsmallclock.h"
#include "fakeplatform.h"
#include "settings/tsetup.h"
#include "widgets/accessibleinterfaces.h"

#include <QFile>
#include <memory>

/// A control of a window, found by its object name; a missing one ends the test run.
template <typename T> T* control(const QObject& window, const char* name)
{
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(window.objectName()));
    return found;
}

/// The three windows of a running program, built on fakes, with an events file in a temporary
/// program folder.
struct MainWindowFixture
{
    FakePlatform platform;
    std::unique_ptr<TSmallClock> clock;
    std::unique_ptr<TSetUp> setup;
    std::unique_ptr<TfrmMain> window;

    MainWindowFixture()
    {
        installAccessibleInterfaces();
        platform.settings.values["AlarmEventsFile"] = "events.acl";
    }

    /// The windows as created, before the first load.
    TfrmMain& create()
    {
        clock = std::make_unique<TSmallClock>(platform.services(), platform.settingsService);
        setup =
            std::make_unique<TSetUp>(platform.services(), platform.settingsService, platform.programDir(), clock.get());
        window = std::make_unique<TfrmMain>(platform.services(), platform.settingsService, platform.programDir(),
                                            *clock, *setup);
        return *window;
    }
    /// The windows after start-up: the list loaded and the main timer running.
    TfrmMain& start()
    {
        create();
        window->finishStartup();
        return *window;
    }
    template <typename T> T* control(const char* name) const { return ::control<T>(*window, name); }
    void writeFile(const QString& name, const QByteArray& content)
    {
        QFile file(platform.programFile(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
    }
    QByteArray readFile(const QString& name) const
    {
        QFile file(platform.programFile(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void writeEvents(const QByteArray& content) { writeFile("events.acl", content); }
    QByteArray events() const { return readFile("events.acl"); }
};
