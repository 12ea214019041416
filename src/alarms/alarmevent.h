// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// Columns of the alarm list, in display order. Column 0 is the row caption.
enum AlarmColumn {
    ColPlayTimes = 0, // "PT"
    ColDateTime,      // "Date - Time": display text, never parsed back
    ColSchedule,      // "Schedule"
    ColMessage,       // "Message"
    ColSoundRun,      // "S/R": sound name, optionally "*" and a command line
    ColDate,          // "Date": "yyyy/mm/dd" or "-1"
    ColTime24,        // "24hour": "hh:mm:ss"
    ColActiveIgnore,  // "Active/Ignore"
    ColDays,          // "Days": day numbers of a monthly schedule, each followed by a blank
    AlarmColumnCount
};

/// The columns the list shows. The rest are the row's own fields, made into the shown texts; they
/// are no columns of the view, so neither the eye nor a screen reader meets them.
constexpr int ListedColumnCount = ColSoundRun;

/// One alarm event: one row of the alarm list.
struct AlarmEvent
{
    bool enabled = true;
    QString playTimes;
    QString dateTime;
    QString schedule;
    QString message;
    QString soundRun;
    QString date;
    QString time24;
    QString activeIgnore;
    QString days;
    int imageIndex = -1;

    QString field(int column) const;
    void setField(int column, const QString& value);

    /// The text of "S/R" before its first "*" (all of it without one).
    QString sound() const;
    /// The text of "S/R" after its first "*" (empty without one).
    QString command() const;

    bool operator==(const AlarmEvent&) const = default;
};

namespace AlarmText {
inline const QString active = QStringLiteral("Active");
inline const QString ignore = QStringLiteral("Ignore");
inline const QString noDate = QStringLiteral("-1");
inline const QString missedMark = QStringLiteral(" <!>");
inline const QString firedMark = QStringLiteral("  X");
} // namespace AlarmText
