// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmevent.h"

#include <vector>

/// A list of one "Every Day" event at 07:30:00 repeated: big lists for the file tests.
inline std::vector<AlarmEvent> sameEvents(int count, const QString& message)
{
    AlarmEvent event;
    event.playTimes = QStringLiteral("Once");
    event.schedule = QStringLiteral("Every Day");
    event.date = QStringLiteral("-1");
    event.time24 = QStringLiteral("07:30:00");
    event.soundRun = QStringLiteral("Wake");
    event.message = message;
    return std::vector<AlarmEvent>(static_cast<size_t>(count), event);
}
