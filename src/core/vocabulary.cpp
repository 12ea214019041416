// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/vocabulary.h"

namespace {
template <typename Value> const QString& nameIn(const QStringList& names, Value value)
{
    return names.at(static_cast<qsizetype>(value));
}

template <typename Value> std::optional<Value> valueIn(const QStringList& names, QStringView name)
{
    const qsizetype index = names.indexOf(name);
    if (index < 0)
        return std::nullopt;
    return static_cast<Value>(index);
}
} // namespace

const QStringList& scheduleNames()
{
    static const QStringList names{QStringLiteral("None"),    QStringLiteral("None Every"), QStringLiteral("Every Day"),
                                   QStringLiteral("Monthly"), QStringLiteral("Mon"),        QStringLiteral("Tue"),
                                   QStringLiteral("Wed"),     QStringLiteral("Thu"),        QStringLiteral("Fri"),
                                   QStringLiteral("Sat"),     QStringLiteral("Sun")};
    return names;
}

const QStringList& playTimesNames()
{
    static const QStringList names{QStringLiteral("Once"), QStringLiteral("Twice"), QStringLiteral("Thrice"),
                                   QStringLiteral("Repeat")};
    return names;
}

const QString& nameOf(Schedule schedule)
{
    return nameIn(scheduleNames(), schedule);
}

const QString& nameOf(PlayTimes playTimes)
{
    return nameIn(playTimesNames(), playTimes);
}

std::optional<Schedule> scheduleNamed(QStringView name)
{
    return valueIn<Schedule>(scheduleNames(), name);
}

std::optional<PlayTimes> playTimesNamed(QStringView name)
{
    return valueIn<PlayTimes>(playTimesNames(), name);
}

Schedule weeklySchedule(int dayOfWeek)
{
    Q_ASSERT(dayOfWeek >= 1 && dayOfWeek <= 7);
    return static_cast<Schedule>(static_cast<int>(Schedule::Mon) + dayOfWeek - 1);
}
