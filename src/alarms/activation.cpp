// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/activation.h"

#include "core/vocabulary.h"

void applyActivationRule(AlarmEvent& event, QStringView today, QStringView now)
{
    const QStringView date = event.date;
    const QStringView time = event.time24;
    const bool timePassed = time < now;
    const bool passed = date < today || (date == today && timePassed);

    if (event.schedule == nameOf(Schedule::None) && passed) {
        event.activeIgnore = AlarmText::ignore;
        event.dateTime += AlarmText::missedMark;
        return;
    }
    if (event.schedule == nameOf(Schedule::NoneEvery) && passed)
        event.schedule = nameOf(Schedule::EveryDay);
    event.activeIgnore = timePassed ? AlarmText::ignore : AlarmText::active;
}
