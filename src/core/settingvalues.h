// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

/// Rules for reading the stored texts. Every value is stored as text; these turn a stored text
/// into what a window applies. Comparisons are exact: no trimming, no case folding.
namespace SettingValues {

/// A flag that is off unless its text is exactly "1".
bool flagDefaultOff(const QString& text);
/// A flag that is on unless its text is exactly "0".
bool flagDefaultOn(const QString& text);
/// "1" or "0".
QString flagText(bool on);
/// Whether the flag of that name is on when nothing is stored: only "Check Sound On",
/// "Check ShowErrMsg" and "Clock With Sec" are.
bool flagDefault(const QString& name);
/// The stored flag of that name, read with its default.
bool flag(const QString& name, const QString& text);

/// A decimal integer with an optional leading minus. Empty text, any other character (blanks
/// included) or a number out of int's range counts as missing.
std::optional<int> integer(const QString& text);
/// The integer when it lies within [min, max], both ends included; otherwise missing.
std::optional<int> intInRange(const QString& text, int min, int max);

} // namespace SettingValues

/// Names of the stored values.
namespace SettingNames {
// Main window
inline const QString AlarmEventsFile = QStringLiteral("AlarmEventsFile");
inline const QString MainTop = QStringLiteral("Main Top");
inline const QString MainLeft = QStringLiteral("Main Left");
inline const QString MainFormWidth = QStringLiteral("MainFormWidth");
inline const QString MainFormHeight = QStringLiteral("MainFormHeight");
inline const QString PTColWidth = QStringLiteral("PTColWidth");
inline const QString DateTimeColWidth = QStringLiteral("DateTimeColWidth");
inline const QString ScheduleColWidth = QStringLiteral("ScheduleColWidth");
inline const QString MessageColWidth = QStringLiteral("MessageColWidth");
inline const QString SongRunColWidth = QStringLiteral("SongRunColWidth");
inline const QString MainListFontName = QStringLiteral("MainListFontName");
inline const QString MainListFontSize = QStringLiteral("MainListFontSize");
inline const QString MainOutputDevice = QStringLiteral("Main Output Device");
inline const QString MainSongName = QStringLiteral("Main Song Name");
// Settings window
inline const QString CheckSoundOn = QStringLiteral("Check Sound On");
inline const QString CheckShowErrMsg = QStringLiteral("Check ShowErrMsg");
inline const QString BusyMCISwapIntSpeaker = QStringLiteral("BusyMCISwapIntSpeaker");
inline const QString CheckStartup = QStringLiteral("Check Startup");
inline const QString CheckInTray = QStringLiteral("Check In Tray");
inline const QString CheckRemoveAlarm = QStringLiteral("Check Remove Alarm");
inline const QString CheckChimeAtMin = QStringLiteral("Check ChimeAtMin");
inline const QString CheckDateFormat = QStringLiteral("Check Date Format");
inline const QString DateFormat = QStringLiteral("Date Format");
inline const QString CheckSeparator = QStringLiteral("Check Separator");
inline const QString Separator = QStringLiteral("Separator");
// Desktop clock
inline const QString ClockTop = QStringLiteral("Clock Top");
inline const QString ClockLeft = QStringLiteral("Clock Left");
inline const QString Clock24hr = QStringLiteral("Clock 24hr");
inline const QString ClockWithSec = QStringLiteral("Clock With Sec");
inline const QString ClockWithDate = QStringLiteral("Clock With Date");
inline const QString Digits3DOnClock = QStringLiteral("3D Digits On Clock");
inline const QString ClockDigitsSize = QStringLiteral("Clock Digits Size");
inline const QString ClockOn = QStringLiteral("Clock On");
// Message windows
inline const QString MsgFontSize = QStringLiteral("Msg Font Size");
} // namespace SettingNames
