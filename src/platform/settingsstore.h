// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// Per-user store of named text values under the program's one settings key.
/// Every value is read and written as text; the callers apply the value rules.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    /// A missing store, a missing value and an empty value all read as an empty text.
    virtual QString read(const QString& name) const = 0;
    /// Stores one value at once. Returns false when it could not be stored.
    virtual bool write(const QString& name, const QString& value) = 0;
};
