#pragma once

#include <QString>
#include <QTime>
#include <array>

/// The six cells of the time grid: hour, ":", minute, ":", second, "AM"/"PM".
using TimeGridCells = std::array<QString, 6>;

/// The grid at start-up: the time in 12-hour form, every number with two digits.
TimeGridCells timeGridForNow(const QTime& time);
/// The grid for an event's "hh:mm:ss": the hour without a leading zero, minute and second as stored.
TimeGridCells timeGridForTime24(const QString& time24);

/// A one-character text gets a leading "0", two characters stay, anything else gives "".
QString PadTwoDigits(const QString& text);
/// The 10-character display time, e.g. 07:05:00PM.
QString GridDisplayTime(const TimeGridCells& cells);
/// The 8-character 24-hour time, e.g. 19:05:00.
QString GridTime24(const TimeGridCells& cells);
