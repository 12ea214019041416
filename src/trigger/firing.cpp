// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/firing.h"

#include "alarms/dateformats.h"
#include "core/vocabulary.h"

#include <QCoreApplication>

QString alarmMessageText(const QString& message, const QString& time24, const DateFormats& formats)
{
    //: Between an alarm's message and its time of day.
    return message + QCoreApplication::translate("Firing", " at ") + formats.displayTime(time24);
}

bool removeAfterFiring(const QString& schedule, bool removeOption)
{
    return removeOption && schedule == nameOf(Schedule::None);
}
