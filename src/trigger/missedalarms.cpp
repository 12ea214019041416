// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/missedalarms.h"

#include "alarms/dateformats.h"
#include "core/vocabulary.h"
#include "trigger/duescan.h"

#include <QCoreApplication>
#include <algorithm>
#include <numeric>

namespace {
bool fallsOn(const AlarmEvent& event, const QDate& day, const QString& dayText)
{
    if (event.schedule == nameOf(Schedule::NoneEvery))
        return QStringView(dayText).compare(event.date) >= 0;
    return dayText == event.date || ScheduleMatchesToday(event.schedule, event.days, day);
}

QString moment(const QString& date, const QString& time24)
{
    return date + QLatin1Char(' ') + time24;
}
} // namespace

MissedAlarms findMissedAlarms(const std::vector<AlarmEvent>& events, const QDateTime& watchedUntil,
                              const QDateTime& resumedAt, bool alarmsDisabled, int limit)
{
    MissedAlarms missed;
    const QString after =
        moment(DateFormats::internalDate(watchedUntil.date()), DateFormats::internalTime(watchedUntil.time()));
    const QString before =
        moment(DateFormats::internalDate(resumedAt.date()), DateFormats::internalTime(resumedAt.time()));
    if (alarmsDisabled || after >= before)
        return missed;

    // Rows in the order of their times, list order among equal times: the order of firing.
    std::vector<int> byTime(events.size());
    std::iota(byTime.begin(), byTime.end(), 0);
    std::stable_sort(byTime.begin(), byTime.end(),
                     [&](int a, int b) { return events[size_t(a)].time24 < events[size_t(b)].time24; });

    for (QDate day = watchedUntil.date(); day <= resumedAt.date(); day = day.addDays(1)) {
        const QString dayText = DateFormats::internalDate(day);
        for (const int row : byTime) {
            const AlarmEvent& event = events[size_t(row)];
            if (!event.enabled || !fallsOn(event, day, dayText))
                continue;
            const QString when = moment(dayText, event.time24);
            if (when <= after || when >= before)
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
