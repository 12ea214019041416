// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/dateformats.h"

/// The options of the settings window that the rest of the program acts on, as values: the
/// settings window announces them whenever one changes.
struct AlarmOptions
{
    bool soundOn = true;
    bool showErrMsg = true;
    bool swapToSpeaker = false;
    bool removeAfterExecuted = false;
    bool chimeAtExactMinute = false;
    bool loadAtStartup = false;
    bool showIconInTray = false;
    DateDisplayOptions dates;
};
