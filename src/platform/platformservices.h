// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Clock;
class SettingsStore;
class Dialogs;
class TaskbarButton;
class WavePlayer;
class ToneOutput;
class CommandRunner;
class Shell;
class AutostartEntry;
class TrayIconHost;
class LastWatch;

/// The operating system's services, handed to every window at construction. main() passes
/// the real ones; tests pass recording fakes. None is owned here.
struct PlatformServices
{
    Clock* clock = nullptr;
    SettingsStore* settings = nullptr;
    Dialogs* dialogs = nullptr;
    TaskbarButton* taskbar = nullptr;
    WavePlayer* wave = nullptr;
    ToneOutput* tone = nullptr;
    CommandRunner* commands = nullptr;
    Shell* shell = nullptr;
    AutostartEntry* autostart = nullptr;
    TrayIconHost* tray = nullptr;
    LastWatch* lastWatch = nullptr;
};
