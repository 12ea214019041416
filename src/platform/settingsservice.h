// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <climits>
#include <optional>

class Dialogs;
class SettingsStore;

/// The settings key as every window uses it: values by name, read with their defaults and value
/// rules, and written one at a time with a failure reported to the user.
class SettingsService
{
public:
    SettingsService(SettingsStore& store, Dialogs& dialogs);

    /// The stored text; a missing value reads as an empty text.
    QString ReadIniFromReg(const QString& name) const;
    /// Stores one value at once. A value that cannot be stored is reported in one error box and
    /// false comes back, so that the caller can skip the writes that would follow.
    bool WriteIniToReg(const QString& name, const QString& value);

    /// The flag of that name, on or off by its own default when the text is not "1" or "0".
    bool flag(const QString& name) const;
    bool writeFlag(const QString& name, bool on);
    /// The stored decimal integer when it lies within [min, max]; missing otherwise.
    std::optional<int> integer(const QString& name, int min = INT_MIN, int max = INT_MAX) const;

private:
    SettingsStore& m_store;
    Dialogs& m_dialogs;
};
