// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmevent.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

/// One event that would have fired on one day while the program was not watching the clock.
struct MissedAlarm
{
    int row = -1;
    QDate day;

    bool operator==(const MissedAlarm&) const = default;
};

struct MissedAlarms
{
    /// In the order they would have fired, at most the limit asked for.
    std::vector<MissedAlarm> listed;
    /// All that were missed, the listed ones included.
    qint64 total = 0;
};

/// Every enabled event that the due test would have fired at a moment after watchedUntil (its
/// tick fired what was due by then) and before resumedAt (the moment from which the reload
/// evaluates the list). Moments compare as the texts "yyyy/mm/dd hh:mm:ss", as the due test
/// compares them, so a skipped or repeated hour of the clock is no special case. "None Every" falls
/// on its date and every day after, as the reload at each change of day turns it into "Every Day".
MissedAlarms findMissedAlarms(const std::vector<AlarmEvent>& events, const QDateTime& watchedUntil,
                              const QDateTime& resumedAt, bool alarmsDisabled, int limit);

/// The report's text; empty when nothing was missed.
QString missedAlarmsReport(const MissedAlarms& missed, const std::vector<AlarmEvent>& events,
                           const std::function<QString(const QDate&)>& renderDate,
                           const std::function<QString(const QString& time24)>& displayTime);

namespace MissedText {
constexpr int listedLines = 20;
}
