// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingvalues.h"

#include <algorithm>

namespace SettingValues {

bool flagDefaultOff(const QString& text)
{
    return text == QLatin1String("1");
}

bool flagDefaultOn(const QString& text)
{
    return text != QLatin1String("0");
}

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

bool flagDefault(const QString& name)
{
    return name == SettingNames::CheckSoundOn || name == SettingNames::CheckShowErrMsg ||
           name == SettingNames::ClockWithSec;
}

bool flag(const QString& name, const QString& text)
{
    return flagDefault(name) ? flagDefaultOn(text) : flagDefaultOff(text);
}

std::optional<int> integer(const QString& text)
{
    const qsizetype digitsFrom = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const auto digits = QStringView(text).sliced(digitsFrom);
    // QString::toInt alone would accept blanks and a plus sign, and QChar::isDigit non-ASCII digits.
    const bool allDigits = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!allDigits)
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<int> intInRange(const QString& text, int min, int max)
{
    const std::optional<int> value = integer(text);
    if (value && *value >= min && *value <= max)
        return value;
    return std::nullopt;
}

} // namespace SettingValues
