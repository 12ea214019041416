// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace TimeGrid {
enum Column { Hour = 0, FirstColon = 1, Minute = 2, SecondColon = 3, Second = 4, Marker = 5 };

/// Range of the up-down arrows for a cell: one step wider than its valid values on each side,
/// so that reaching an outer step signals the wrap-around.
struct Range
{
    int minimum;
    int maximum;
};
Range upDownRange(int column);

/// The column that becomes current when the user asks for `column` while `current` is current:
/// a separator is never current, the move jumps over it or, when it cannot, stays where it was.
int columnToSelect(int column, int current);

/// Whether a typed character may go into the cell (digits and Backspace in the number cells).
bool acceptsKey(int column, QChar key);
/// "AM" becomes "PM"; anything else becomes "AM".
QString toggledMarker(const QString& marker);
/// Where the arrows go for a typed number; out-of-range numbers park them at the lowest value.
int upDownPositionFor(int column, int value);
/// The arrows' position after a step: the outer steps wrap to the other end.
int wrappedPosition(int position, const Range& range, bool up);
/// The refusal of the cells before an add, or an empty text when they are a valid time.
QString cellsError(const TimeGridCells& cells);
} // namespace TimeGrid
