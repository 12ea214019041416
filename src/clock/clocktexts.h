// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

/// The desktop clock's texts, always in English whatever the locale.
namespace ClockTexts {

/// 1 (Sunday) to 7 (Saturday).
int weekdayNumber(const QDate& date);
/// "Sunday" .. "Saturday" for 1 .. 7; empty outside.
QString weekdayName(int weekdayNumber);
/// "Sun. 6 Dec 2026".
QString fullDate(const QDate& date);
/// "6  Dec".
QString dateLabel(const QDate& date);
/// "07 : 05 : 09  PM", "19 : 05" and the other two forms.
QString time(const QTime& time, bool twentyFourHour, bool withSeconds);

/// A stored "Clock Digits Size": 8 to 12, anything else is ignored.
std::optional<int> digitsSize(const QString& stored);
/// A stored "Clock Top" or "Clock Left": applied only when above 0 and below the screen's extent.
std::optional<int> storedPosition(const QString& stored, int screenExtent);

} // namespace ClockTexts
