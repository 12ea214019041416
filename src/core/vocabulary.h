// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

/// When an alarm event fires, in the order in which the editor offers the schedules.
enum class Schedule { None, NoneEvery, EveryDay, Monthly, Mon, Tue, Wed, Thu, Fri, Sat, Sun };

/// How often a due event's sound plays.
enum class PlayTimes { Once, Twice, Thrice, Repeat };

const QString& nameOf(Schedule schedule);
const QString& nameOf(PlayTimes playTimes);

/// The value whose name is exactly the text; nothing for any other text.
std::optional<Schedule> scheduleNamed(QStringView name);
std::optional<PlayTimes> playTimesNamed(QStringView name);

/// Every name, in the order of the values: the items of the editor's drop-down lists.
const QStringList& scheduleNames();
const QStringList& playTimesNames();

/// The weekly schedule of a day of the week counted as QDate::dayOfWeek() does, 1 = Monday.
Schedule weeklySchedule(int dayOfWeek);
