// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// The first-run answer for a new events file name.
enum class EventsFileNameCheck { Empty, BadCharacters, Acceptable };

EventsFileNameCheck checkEventsFileName(const QString& answer);
/// The refusal shown for a name holding a character that no file name may hold.
QString badFileNameCharactersMessage();
/// The stored name of the file created for an acceptable answer.
inline QString eventsFileNameFor(const QString& answer)
{
    return answer + QStringLiteral(".acl");
}
