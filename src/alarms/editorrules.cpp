// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/editorrules.h"

#include "core/vocabulary.h"

#include <QCoreApplication>

namespace {
bool keepsDate(const QString& schedule)
{
    return schedule == nameOf(Schedule::None) || schedule == nameOf(Schedule::NoneEvery);
}

template <typename Value> int indexOr0(std::optional<Value> value)
{
    return value ? static_cast<int>(*value) : 0;
}
} // namespace

namespace EditorRules {
QString addRefusal(const EditorEntry& entry, const QString& today, const QString& now)
{
    const QString date = entry.chosenDate.left(10);
    if (date < today)
        return QCoreApplication::translate("EditorRules", "Day was passed.");
    if (date == today && entry.time24 < now && entry.schedule == nameOf(Schedule::None))
        return QCoreApplication::translate("EditorRules", "Alarm Time was passed.");
    if (!entry.songSelected)
        return QCoreApplication::translate("EditorRules", "Selected no song! Please select a song to play sound.");
    return {};
}

AlarmEvent newEvent(const EditorEntry& entry, const QString& now)
{
    const bool dated = keepsDate(entry.schedule);
    AlarmEvent event;
    event.enabled = true;
    event.imageIndex = entry.imageIndex;
    event.playTimes = entry.playTimes;
    event.dateTime = dated ? entry.dateCaption + QStringLiteral(" - ") + entry.displayTime : entry.displayTime;
    event.schedule = entry.schedule;
    event.message = entry.message;
    event.soundRun = entry.song + QLatin1Char('*') + entry.run;
    event.date = dated ? entry.chosenDate.left(10) : AlarmText::noDate;
    event.time24 = entry.time24;
    event.activeIgnore = entry.time24 < now ? AlarmText::ignore : AlarmText::active;
    event.days = entry.schedule == nameOf(Schedule::Monthly) ? entry.thoseDays : QString();
    return event;
}

int playTimesIndex(const QString& playTimes)
{
    return indexOr0(playTimesNamed(playTimes));
}

int scheduleIndex(const QString& schedule)
{
    return indexOr0(scheduleNamed(schedule));
}

bool isRefusedOnExit(const QString& schedule)
{
    return schedule == nameOf(Schedule::Monthly) || schedule == nameOf(Schedule::NoneEvery);
}
} // namespace EditorRules
