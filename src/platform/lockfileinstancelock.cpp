#include "platform/lockfileinstancelock.h"

#include <QDir>
#include <QStandardPaths>

LockFileInstanceLock::LockFileInstanceLock(const QString& instanceName, const QString& folder)
{
    QString dir = folder;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    m_lock = std::make_unique<QLockFile>(QDir(dir).filePath(instanceName + QStringLiteral(".lock")));
    // Never treat a live owner's lock as stale by age; a dead owner is detected by its pid.
    m_lock->setStaleLockTime(0);
}

LockFileInstanceLock::~LockFileInstanceLock() = default;

bool LockFileInstanceLock::acquire()
{
    if (m_lock->tryLock(0))
        return true;
    return m_lock->error() != QLockFile::LockFailedError;
}
