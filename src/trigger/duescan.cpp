// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/duescan.h"

#include "alarms/dateformats.h"
#include "core/vocabulary.h"

#include <QStringView>

namespace {
bool matches(const QString& schedule, const QString& days, int weekday, int dayOfMonth)
{
    if (schedule == nameOf(Schedule::EveryDay))
        return true;
    if (schedule == nameOf(weeklySchedule(weekday)))
        return true;
    if (schedule != nameOf(Schedule::Monthly))
        return false;
    // Only numbers closed by a blank count; the text after the last blank is ignored.
    QStringView rest(days);
    for (qsizetype blank = rest.indexOf(QLatin1Char(' ')); blank >= 0; blank = rest.indexOf(QLatin1Char(' '))) {
        bool ok = false;
        const int day = rest.left(blank).toInt(&ok);
        if (ok && day == dayOfMonth)
            return true;
        rest = rest.mid(blank + 1);
    }
    return false;
}
} // namespace

bool ScheduleMatchesToday(const QString& schedule, const QString& days, const QDate& today)
{
    return matches(schedule, days, today.dayOfWeek(), today.day());
}

DueScan::DueScan(const QDateTime& now)
    : m_today(DateFormats::internalDate(now.date()))
    , m_now(DateFormats::internalTime(now.time()))
    , m_dayOfMonth(now.date().day())
    , m_weekday(now.date().dayOfWeek())
{}

bool DueScan::scheduleMatches(const QString& schedule, const QString& days) const
{
    return matches(schedule, days, m_weekday, m_dayOfMonth);
}

int DueScan::findDueRow(const std::vector<AlarmEvent>& events, QString* lastExamineDate) const
{
    const QStringView now(m_now);
    const QStringView today(m_today);
    bool examined = false;
    int due = -1;
    for (size_t row = 0; row < events.size() && due < 0; ++row) {
        const AlarmEvent& event = events[row];
        if (!event.enabled || event.activeIgnore == AlarmText::ignore)
            continue;
        examined = true;
        if (now.compare(event.time24) < 0)
            continue;
        if (today == event.date || scheduleMatches(event.schedule, event.days))
            due = static_cast<int>(row);
    }
    if (examined && lastExamineDate)
        *lastExamineDate = m_today;
    return due;
}
