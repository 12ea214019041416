// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// The per-user list of programs started at log-on.
class AutostartEntry
{
public:
    virtual ~AutostartEntry() = default;
    /// Adds or replaces the entry; false (with error set) when it could not be written.
    virtual bool add(const QString& name, const QString& programPath, QString* error = nullptr) = 0;
    /// Removes the entry. Removing an entry that does not exist succeeds.
    virtual bool remove(const QString& name, QString* error = nullptr) = 0;
    /// The program path of the entry, empty when there is none.
    virtual QString programPath(const QString& name) const = 0;
};
