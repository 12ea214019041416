// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmevent.h"

/// An alarm event as most tests want one: switched on, active, played once with the song "Bell".
/// Tests change the fields they are about.
inline AlarmEvent testEvent(const QString& time24, const QString& date = AlarmText::noDate,
                            const QString& schedule = QStringLiteral("None"))
{
    AlarmEvent event;
    event.playTimes = QStringLiteral("Once");
    event.time24 = time24;
    event.date = date;
    event.schedule = schedule;
    event.activeIgnore = AlarmText::active;
    event.soundRun = QStringLiteral("Bell");
    return event;
}
