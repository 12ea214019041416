// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/clocktexts.h"

#include "core/settingvalues.h"

#include <QCoreApplication>

#include <array>

namespace ClockTexts {

namespace {
const std::array<const char*, 12> kMonths = {
    QT_TRANSLATE_NOOP("ClockTexts", "Jan"), QT_TRANSLATE_NOOP("ClockTexts", "Feb"),
    QT_TRANSLATE_NOOP("ClockTexts", "Mar"), QT_TRANSLATE_NOOP("ClockTexts", "Apr"),
    QT_TRANSLATE_NOOP("ClockTexts", "May"), QT_TRANSLATE_NOOP("ClockTexts", "Jun"),
    QT_TRANSLATE_NOOP("ClockTexts", "Jul"), QT_TRANSLATE_NOOP("ClockTexts", "Aug"),
    QT_TRANSLATE_NOOP("ClockTexts", "Sep"), QT_TRANSLATE_NOOP("ClockTexts", "Oct"),
    QT_TRANSLATE_NOOP("ClockTexts", "Nov"), QT_TRANSLATE_NOOP("ClockTexts", "Dec")};
const std::array<const char*, 7> kDays = {
    QT_TRANSLATE_NOOP("ClockTexts", "Sun"), QT_TRANSLATE_NOOP("ClockTexts", "Mon"),
    QT_TRANSLATE_NOOP("ClockTexts", "Tue"), QT_TRANSLATE_NOOP("ClockTexts", "Wed"),
    QT_TRANSLATE_NOOP("ClockTexts", "Thu"), QT_TRANSLATE_NOOP("ClockTexts", "Fri"),
    QT_TRANSLATE_NOOP("ClockTexts", "Sat")};
const std::array<const char*, 7> kDayNames = {
    QT_TRANSLATE_NOOP("ClockTexts", "Sunday"),   QT_TRANSLATE_NOOP("ClockTexts", "Monday"),
    QT_TRANSLATE_NOOP("ClockTexts", "Tuesday"),  QT_TRANSLATE_NOOP("ClockTexts", "Wednesday"),
    QT_TRANSLATE_NOOP("ClockTexts", "Thursday"), QT_TRANSLATE_NOOP("ClockTexts", "Friday"),
    QT_TRANSLATE_NOOP("ClockTexts", "Saturday")};

QString translated(const char* text)
{
    return QCoreApplication::translate("ClockTexts", text);
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}
QString month(const QDate& date)
{
    return translated(kMonths[size_t(date.month() - 1)]);
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
    return translated(kDayNames[size_t(weekdayNumber - 1)]);
}

QString fullDate(const QDate& date)
{
    return QStringLiteral("%1. %2 %3 %4")
        .arg(translated(kDays[size_t(weekdayNumber(date) - 1)]))
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
