// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/sortkeys.h"

#include "alarms/dateformats.h"
#include "core/vocabulary.h"

namespace {
const QString ascendingArrow = QStringLiteral("  ->");
const QString descendingArrow = QStringLiteral("  <-");

char16_t upperAscii(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - u'a' + u'A') : c;
}

bool isAscending(const QString& caption, const QString& neutral)
{
    return caption == neutral + ascendingArrow;
}

QString flipped(const QString& caption, const QString& neutral)
{
    return neutral + (isAscending(caption, neutral) ? descendingArrow : ascendingArrow);
}

int ordered(int result, bool reverse)
{
    return reverse ? -result : result;
}
} // namespace

namespace SortKeys {

const QString& dateTimeCaption()
{
    static const QString caption = QStringLiteral("Date - Time");
    return caption;
}

const QString& scheduleCaption()
{
    static const QString caption = QStringLiteral("Schedule");
    return caption;
}

Context contextFor(const QDate& today, const QString& lastExamineDate, const QString& dateTimeCaption,
                   const QString& scheduleCaption)
{
    const QString weekday = nameOf(weeklySchedule(today.dayOfWeek()));
    return {DateFormats::internalDate(today), weekday, lastExamineDate, dateTimeCaption, scheduleCaption};
}

int compareText(QStringView a, QStringView b)
{
    const qsizetype common = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = upperAscii(a[i].unicode());
        const char16_t y = upperAscii(b[i].unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool dueToday(const AlarmEvent& event, const Context& context)
{
    return event.date == context.lastExamineDate || event.schedule == nameOf(Schedule::EveryDay) ||
           event.schedule == context.weekdayName;
}

QString playTimesKey(const AlarmEvent& event, const QString& today)
{
    const bool repeating = event.date == AlarmText::noDate || event.schedule == nameOf(Schedule::EveryDay);
    return (repeating ? today : event.date) + QLatin1Char(' ') + event.time24.left(8);
}

QString dateTimeKey(const AlarmEvent& event, const QString& today)
{
    return (event.date == AlarmText::noDate ? today : event.date) + QLatin1Char(' ') + event.time24.left(8);
}

int compare(int column, const AlarmEvent& a, const AlarmEvent& b, const Context& context)
{
    switch (column) {
    case ColPlayTimes: {
        const bool aToday = dueToday(a, context);
        const bool bToday = dueToday(b, context);
        if (aToday != bToday)
            return aToday ? -1 : 1;
        return compareText(playTimesKey(a, context.today), playTimesKey(b, context.today));
    }
    // A caption that shows the ascending arrow means that this click reverses the order.
    case ColDateTime:
        return ordered(compareText(dateTimeKey(a, context.today), dateTimeKey(b, context.today)),
                       isAscending(context.dateTimeCaption, dateTimeCaption()));
    case ColSchedule:
        return ordered(compareText(a.schedule, b.schedule), isAscending(context.scheduleCaption, scheduleCaption()));
    default:
        return 0;
    }
}

std::optional<Header> headerAfterSort(int column, const QString& dateTimeBefore, const QString& scheduleBefore)
{
    switch (column) {
    case ColPlayTimes:
        return Header{dateTimeCaption(), scheduleCaption(), true};
    case ColDateTime:
        return Header{flipped(dateTimeBefore, dateTimeCaption()), scheduleCaption(), false};
    case ColSchedule:
        return Header{dateTimeCaption(), flipped(scheduleBefore, scheduleCaption()), false};
    default:
        return std::nullopt;
    }
}

} // namespace SortKeys
