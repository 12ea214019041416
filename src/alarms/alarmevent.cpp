// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarmevent.h"

namespace {
QString AlarmEvent::*const columnFields[AlarmColumnCount] = {
    &AlarmEvent::playTimes, &AlarmEvent::dateTime,     &AlarmEvent::schedule,
    &AlarmEvent::message,   &AlarmEvent::soundRun,     &AlarmEvent::date,
    &AlarmEvent::time24,    &AlarmEvent::activeIgnore, &AlarmEvent::days,
};
} // namespace

QString AlarmEvent::field(int column) const
{
    return this->*columnFields[column];
}

void AlarmEvent::setField(int column, const QString& value)
{
    this->*columnFields[column] = value;
}

QString AlarmEvent::sound() const
{
    const qsizetype star = soundRun.indexOf(QLatin1Char('*'));
    return star < 0 ? soundRun : soundRun.left(star);
}

QString AlarmEvent::command() const
{
    const qsizetype star = soundRun.indexOf(QLatin1Char('*'));
    return star < 0 ? QString() : soundRun.mid(star + 1);
}
