#pragma once

#include "platform/instancelock.h"

#include <QLockFile>
#include <QString>

// A per-user lock file named after the single-instance mutex. QLockFile sees
// through a lock left by a copy that crashed, so it never blocks the next one.
class LockFileInstanceLock final : public InstanceLock
{
public:
    // `directory` holds the lock file (the user's runtime folder in production).
    LockFileInstanceLock(const QString &directory, const QString &name);
    Q_DISABLE_COPY_MOVE(LockFileInstanceLock)

    bool acquire() override;

private:
    QLockFile m_lock;
};
