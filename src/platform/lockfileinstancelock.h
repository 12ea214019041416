#pragma once

#include "platform/instancelock.h"

#include <QLockFile>
#include <memory>

/// A lock file named after the instance name in the user's runtime folder. The lock of a
/// killed process is stale and taken over at once.
class LockFileInstanceLock final : public InstanceLock
{
public:
    explicit LockFileInstanceLock(const QString& instanceName, const QString& folder = {});
    ~LockFileInstanceLock() override;
    bool acquire() override;

private:
    std::unique_ptr<QLockFile> m_lock;
};
