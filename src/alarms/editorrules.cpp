#include "alarms/editorrules.h"

#include <algorithm>

namespace {
const QString none = QStringLiteral("None");
const QString noneEvery = QStringLiteral("None Every");
const QString monthly = QStringLiteral("Monthly");

bool keepsDate(const QString& schedule)
{
    return schedule == none || schedule == noneEvery;
}
} // namespace

namespace EditorRules {
QString addRefusal(const EditorEntry& entry, const QString& today, const QString& now)
{
    const QString date = entry.chosenDate.left(10);
    if (date < today)
        return QStringLiteral("Day was passed.");
    if (date == today && entry.time24 < now && entry.schedule == none)
        return QStringLiteral("Alarm Time was passed.");
    if (!entry.songSelected)
        return QStringLiteral("Selected no song! Please select a song to play sound.");
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
    event.days = entry.schedule == monthly ? entry.thoseDays : QString();
    return event;
}

const QStringList& playTimesNames()
{
    static const QStringList names{QStringLiteral("Once"), QStringLiteral("Twice"), QStringLiteral("Thrice"),
                                   QStringLiteral("Repeat")};
    return names;
}

const QStringList& scheduleNames()
{
    static const QStringList names{none,
                                   noneEvery,
                                   QStringLiteral("Every Day"),
                                   monthly,
                                   QStringLiteral("Mon"),
                                   QStringLiteral("Tue"),
                                   QStringLiteral("Wed"),
                                   QStringLiteral("Thu"),
                                   QStringLiteral("Fri"),
                                   QStringLiteral("Sat"),
                                   QStringLiteral("Sun")};
    return names;
}

int playTimesIndex(const QString& playTimes)
{
    return std::max(0, static_cast<int>(playTimesNames().indexOf(playTimes)));
}

int scheduleIndex(const QString& schedule)
{
    return std::max(0, static_cast<int>(scheduleNames().indexOf(schedule)));
}

bool isRefusedOnExit(const QString& schedule)
{
    return schedule == monthly || schedule == noneEvery;
}
} // namespace EditorRules
