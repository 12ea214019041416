// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakeautostartentry.h"
#include "fakeclock.h"
#include "fakecommandrunner.h"
#include "fakedialogs.h"
#include "fakelastwatch.h"
#include "fakesettingsstore.h"
#include "fakeshell.h"
#include "faketoneoutput.h"
#include "faketrayiconhost.h"
#include "fakewaveplayer.h"
#include "platform/platformservices.h"
#include "platform/settingsservice.h"
#include "platform/taskbarbutton.h"

#include <QDir>
#include <QTemporaryDir>

/// Every platform service as a recording fake, plus a temporary program folder.
struct FakePlatform
{
    FakeClock clock;
    FakeSettingsStore settings;
    FakeDialogs dialogs;
    TaskbarState taskbar;
    FakeWavePlayer wave;
    FakeToneOutput tone;
    FakeCommandRunner commands;
    FakeShell shell;
    FakeAutostartEntry autostart;
    FakeTrayIconHost tray;
    FakeLastWatch lastWatch;
    SettingsService settingsService{settings, dialogs};
    QTemporaryDir programFolder;

    PlatformServices services()
    {
        return {&clock, &settings, &dialogs, &taskbar, &wave, &tone, &commands, &shell, &autostart, &tray, &lastWatch};
    }
    /// The folder as the program sees it: with a trailing separator.
    QString programDir() const { return programFolder.path() + QDir::separator(); }
    QString programFile(const QString& name) const { return QDir(programFolder.path()).filePath(name); }
};
