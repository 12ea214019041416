#include "clock/clocktexts.h"

#include "core/settingvalues.h"

#include <array>

namespace ClockTexts {

namespace {
const std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}
QString month(const QDate& date)
{
    return QLatin1String(kMonths[size_t(date.month() - 1)]);
}
} // namespace

int weekdayNumber(const QDate& date)
{
    return date.dayOfWeek() % 7 + 1;
}

QString weekdayName(int weekdayNumber)
{
    if (weekdayNumber < 1 || weekdayNumber > 7)
        return {};
    return QLatin1String(kDayNames[size_t(weekdayNumber - 1)]);
}

QString fullDate(const QDate& date)
{
    return QStringLiteral("%1. %2 %3 %4")
        .arg(QLatin1String(kDays[size_t(weekdayNumber(date) - 1)]))
        .arg(date.day())
        .arg(month(date))
        .arg(date.year());
}

QString dateLabel(const QDate& date)
{
    return QStringLiteral("%1  %2").arg(date.day()).arg(month(date));
}

QString time(const QTime& time, bool twentyFourHour, bool withSeconds)
{
    const int hour = twentyFourHour ? time.hour() : (time.hour() % 12 == 0 ? 12 : time.hour() % 12);
    QString text = twoDigits(hour) + QStringLiteral(" : ") + twoDigits(time.minute());
    if (withSeconds)
        text += QStringLiteral(" : ") + twoDigits(time.second());
    if (!twentyFourHour)
        text += time.hour() < 12 ? QStringLiteral("  AM") : QStringLiteral("  PM");
    return text;
}

std::optional<int> digitsSize(const QString& stored)
{
    for (int size = 8; size <= 12; ++size) {
        if (stored == QString::number(size))
            return size;
    }
    return std::nullopt;
}

std::optional<int> storedPosition(const QString& stored, int screenExtent)
{
    return SettingValues::intInRange(stored, 1, screenExtent - 1);
}

} // namespace ClockTexts
