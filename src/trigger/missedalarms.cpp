// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/missedalarms.h"

#include "alarms/dateformats.h"
#include "core/vocabulary.h"
#include "trigger/duescan.h"

#include <QCoreApplication>
#include <algorithm>
#include <bitset>
#include <numeric>
#include <optional>

namespace {
// An event's due rule by day, worked out once: a span may hold thousands of days.
struct DayRule
{
    std::optional<QDate> date;
    bool everyDay = false;
    int weekday = 0;
    std::bitset<32> monthDays;
    bool onAndAfterDate = false;
};

DayRule dayRuleOf(const AlarmEvent& event)
{
    DayRule rule;
    rule.date = DateFormats::parseInternalDate(event.date);
    if (event.schedule == nameOf(Schedule::NoneEvery)) {
        rule.onAndAfterDate = true;
        return rule;
    }
    // The due test's own schedule match, asked for every weekday (a week of January 2001 begins on
    // a Monday) and, for "Monthly", every day of the month.
    const QDate monday(2001, 1, 1);
    for (int weekday = 1; weekday <= 7; ++weekday) {
        if (event.schedule != nameOf(Schedule::Monthly) &&
            ScheduleMatchesToday(event.schedule, event.days, monday.addDays(weekday - 1)))
            rule.weekday = rule.weekday ? -1 : weekday;
    }
    rule.everyDay = rule.weekday < 0;
    if (event.schedule == nameOf(Schedule::Monthly)) {
        for (int day = 1; day <= 31; ++day)
            rule.monthDays[size_t(day)] = ScheduleMatchesToday(event.schedule, event.days, QDate(2001, 1, day));
    }
    return rule;
}

bool fallsOn(const DayRule& rule, const AlarmEvent& event, const QDate& day)
{
    if (rule.onAndAfterDate)
        return rule.date ? day >= *rule.date : DateFormats::internalDate(day).compare(event.date) >= 0;
    return (rule.date && *rule.date == day) || rule.everyDay || rule.weekday == day.dayOfWeek() ||
           rule.monthDays[size_t(day.day())];
}
} // namespace

MissedAlarms findMissedAlarms(const std::vector<AlarmEvent>& events, const QDateTime& watchedUntil,
                              const QDateTime& resumedAt, bool alarmsDisabled, int limit)
{
    MissedAlarms missed;
    const QDate firstDay = watchedUntil.date();
    const QDate lastDay = resumedAt.date();
    const QString after = DateFormats::internalTime(watchedUntil.time());
    const QString before = DateFormats::internalTime(resumedAt.time());
    if (alarmsDisabled || firstDay > lastDay || (firstDay == lastDay && after >= before))
        return missed;

    // Rows in the order of their times, list order among equal times: the order of firing.
    std::vector<int> byTime(events.size());
    std::iota(byTime.begin(), byTime.end(), 0);
    std::stable_sort(byTime.begin(), byTime.end(),
                     [&](int a, int b) { return events[size_t(a)].time24 < events[size_t(b)].time24; });

    // Only the first and the last day need the time of day: the days between were missed whole.
    std::vector<DayRule> rules;
    rules.reserve(events.size());
    for (const AlarmEvent& event : events)
        rules.push_back(dayRuleOf(event));
    for (QDate day = firstDay; day <= lastDay; day = day.addDays(1)) {
        for (const int row : byTime) {
            const AlarmEvent& event = events[size_t(row)];
            if (!event.enabled || (day == firstDay && event.time24 <= after) ||
                (day == lastDay && event.time24 >= before) || !fallsOn(rules[size_t(row)], event, day))
                continue;
            if (missed.listed.size() < size_t(std::max(limit, 0)))
                missed.listed.push_back({row, day});
            ++missed.total;
        }
    }
    return missed;
}

QString missedAlarmsReport(const MissedAlarms& missed, const std::vector<AlarmEvent>& events,
                           const std::function<QString(const QDate&)>& renderDate,
                           const std::function<QString(const QString& time24)>& displayTime)
{
    if (missed.total == 0)
        return {};
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = QCoreApplication::translate("MissedAlarms", "Missed while the program was not watching:");
    for (const MissedAlarm& alarm : missed.listed) {
        const AlarmEvent& event = events[size_t(alarm.row)];
        const QString firstLine = event.message.section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r'));
        text += lineEnd + renderDate(alarm.day) + QStringLiteral(" - ") + displayTime(event.time24) +
                QStringLiteral("  ") + event.schedule;
        if (!firstLine.isEmpty())
            text += QStringLiteral("  ") + firstLine;
    }
    if (const qint64 more = missed.total - qint64(missed.listed.size()); more > 0)
        text += lineEnd + QCoreApplication::translate("MissedAlarms", "and %n more", nullptr, int(more));
    return text;
}
