// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmevent.h"

#include <QDateTime>
#include <QString>
#include <vector>

/// Whether a repeating schedule falls on the given day. Weekday names are English whatever
/// the locale; "Monthly" reads its day numbers from days, each one followed by a blank.
bool ScheduleMatchesToday(const QString& schedule, const QString& days, const QDate& today);

/// The due test of one tick. The texts of "now" are built once, so that a scan of a long list
/// allocates nothing per row.
class DueScan
{
public:
    explicit DueScan(const QDateTime& now);

    /// The first row, in list order, that may fire now; -1 when none. lastExamineDate becomes
    /// today's date as soon as a checked row that is not "Ignore" is examined.
    int findDueRow(const std::vector<AlarmEvent>& events, QString* lastExamineDate) const;
    bool scheduleMatches(const QString& schedule, const QString& days) const;

    const QString& todayText() const { return m_today; }
    const QString& nowText() const { return m_now; }

private:
    QString m_today;
    QString m_now;
    int m_dayOfMonth;
    int m_weekday;
};

inline int findDueRow(const std::vector<AlarmEvent>& events, const QDateTime& now, QString* lastExamineDate)
{
    return DueScan(now).findDueRow(events, lastExamineDate);
}
