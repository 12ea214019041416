#include "trigger/daychange.h"

std::optional<DayChange> detectDayChange(const QString& lastCheckDate, const QDateTime& now)
{
    const QString today = now.date().toString(QStringLiteral("yyyy/MM/dd"));
    if (QString::compare(today, lastCheckDate, Qt::CaseSensitive) <= 0)
        return std::nullopt;
    const QTime time = now.time();
    const QString checkTime =
        time.hour() == 0 && time.minute() == 0 ? QStringLiteral("00:00:00") : time.toString(QStringLiteral("HH:mm:ss"));
    return DayChange{today, checkTime};
}
