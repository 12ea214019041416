// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmevent.h"

#include <QString>

/// What the editor holds when the user adds an event.
struct EditorEntry
{
    QString playTimes;
    QString schedule;
    QString song;
    bool songSelected = false;
    QString run;
    QString chosenDate;  // "yyyy/mm/dd"
    QString dateCaption; // the effective-date label as the user sees it
    QString displayTime; // e.g. 07:05:00PM
    QString time24;      // e.g. 19:05:00
    QString thoseDays;
    QString message;
    int imageIndex = -1;
};

namespace EditorRules {
/// Why the entry cannot be added, or an empty text. today and now are "yyyy/mm/dd" and "hh:mm:ss".
QString addRefusal(const EditorEntry& entry, const QString& today, const QString& now);
/// The new row, switched on. now is "hh:mm:ss".
AlarmEvent newEvent(const EditorEntry& entry, const QString& now);

/// The editor's list positions of a row's play times and schedule; unknown texts give 0.
int playTimesIndex(const QString& playTimes);
int scheduleIndex(const QString& schedule);
/// Schedules that the editor does not let the user pick by hand.
bool isRefusedOnExit(const QString& schedule);
} // namespace EditorRules
