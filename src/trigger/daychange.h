// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

/// The moment from which a reload re-evaluates the list after the calendar day moved on.
struct DayChange
{
    QString lastCheckDate; // today, "yyyy/mm/dd"
    QString lastCheckTime; // "hh:mm:ss"
};

/// Empty unless now's date orders after lastCheckDate: a clock set back changes nothing.
/// Noticed within the first minute of the day, the check time is midnight, so that events of
/// the first seconds still fire; noticed later, everything earlier that day counts as past.
std::optional<DayChange> detectDayChange(const QString& lastCheckDate, const QDateTime& now);
