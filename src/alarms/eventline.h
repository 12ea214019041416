// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmevent.h"

#include <QString>
#include <QStringView>

/// The checks of one events-file line, named as the load report names them.
enum class LineCheck { None, Header, Date, Time, Activate, PT, Schedule, Glyph };

/// "Header", "Date", "Time", "Activate", "PT", "Schedule" or "Glyph".
QString lineCheckName(LineCheck check);

/// The nine fields of a line, views into the line; fields the line does not reach are empty.
struct EventLineFields
{
    QStringView date;
    QStringView time;
    QStringView enabled;
    QStringView run;
    QStringView playTimes;
    QStringView schedule;
    QStringView sound;
    QStringView glyph;
    QStringView message;
};

struct DecodedEventLine
{
    bool headerOk = false;
    EventLineFields fields;
    /// The first failing check of date, time, enabled, play times and schedule, else None.
    LineCheck fieldFailure = LineCheck::None;
    /// The glyph is checked apart from the others: a line can fail both.
    bool glyphFailure = false;

    bool isGood() const { return headerOk && fieldFailure == LineCheck::None && !glyphFailure; }
};

/// Splits and checks one line (without its line end). The views point into line.
DecodedEventLine decodeEventLine(QStringView line);

/// A real calendar date as "yyyy/mm/dd".
bool isInternalDate(QStringView text);
/// A real time of day as "hh:mm:ss" on the 24-hour clock.
bool isInternalTime(QStringView text);

/// The row that a good line makes, before its display text and the activation rule.
AlarmEvent eventFromLine(const EventLineFields& fields);

/// Appends the line of one event, without a line end.
void appendEventLine(QString& out, const AlarmEvent& event);
QString encodeEventLine(const AlarmEvent& event);
