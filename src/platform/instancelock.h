// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// Keeps the program to one running instance per user.
class InstanceLock
{
public:
    virtual ~InstanceLock() = default;
    /// True when this process now owns the lock, or when the lock cannot be taken for a reason
    /// other than another running instance (the program then starts as the first one).
    /// False only when another live instance holds it.
    virtual bool acquire() = 0;
};
