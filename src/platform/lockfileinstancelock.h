// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/instancelock.h"

#include <QLockFile>
#include <memory>

/// A lock file named after the instance name in the user's runtime folder. Only a live owner
/// on this machine keeps it: the lock of a killed process, a file that names no owner and
/// another machine's lock are taken over at once.
class LockFileInstanceLock final : public InstanceLock
{
public:
    explicit LockFileInstanceLock(const QString& instanceName, const QString& folder = {});
    ~LockFileInstanceLock() override;
    bool acquire() override;

private:
    bool hasLocalOwner() const;

    std::unique_ptr<QLockFile> m_lock;
};
