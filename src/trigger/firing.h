// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class DateFormats;

/// The text of a fired event's message window: the message and the event's time.
QString alarmMessageText(const QString& message, const QString& time24, const DateFormats& formats);
/// Only one-time events go after firing, and only when the user asked for it.
bool removeAfterFiring(const QString& schedule, bool removeOption);
