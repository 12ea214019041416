// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/daychange.h"

#include "alarms/dateformats.h"

std::optional<DayChange> detectDayChange(const QString& lastCheckDate, const QDateTime& now)
{
    const QString today = DateFormats::internalDate(now.date());
    if (QString::compare(today, lastCheckDate, Qt::CaseSensitive) <= 0)
        return std::nullopt;
    const QTime time = now.time();
    const QString checkTime =
        time.hour() == 0 && time.minute() == 0 ? QStringLiteral("00:00:00") : DateFormats::internalTime(time);
    return DayChange{today, checkTime};
}
