// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lockfileinstancelock.h"

#include <QDir>
#include <QStandardPaths>
#include <QSysInfo>

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
    if (m_lock->error() != QLockFile::LockFailedError)
        return true;
    if (hasLocalOwner())
        return false;
    // The removal fails while an owner still holds the file open, e.g. one that has just
    // created it and not yet written its name into it: the second try then fails as well.
    m_lock->removeStaleLockFile();
    return m_lock->tryLock(0) || m_lock->error() != QLockFile::LockFailedError;
}

bool LockFileInstanceLock::hasLocalOwner() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock->getLockInfo(&pid, &host, &application))
        return false;
    return host.isEmpty() || host == QSysInfo::machineHostName();
}
