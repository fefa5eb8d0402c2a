#include "platform/simulated/lockfileinstancelock.h"

#include <QDir>

LockFileInstanceLock::LockFileInstanceLock(const QString &directory, const QString &name)
    : m_lock(QDir(directory).filePath(name + QStringLiteral(".lock")))
{
    // A running copy may run for hours; only a dead owner makes a lock stale.
    m_lock.setStaleLockTime(0);
}

bool LockFileInstanceLock::acquire()
{
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return true;
    // Only a live holder means another copy; a lock we cannot create at all
    // (unwritable folder) must not keep the user out.
    return m_lock.error() != QLockFile::LockFailedError;
}
