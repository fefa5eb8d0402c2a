#pragma once

#include "platform/instancelock.h"

// The installer's single-instance guard: the named mutex
// "COMM-ZYM-APPS-KPQ_DRIVER_INSTALLER" in the current log-on's namespace.
class Win32Mutex final : public InstanceLock
{
public:
    // Creates the mutex, owned, on the first call and answers the same on every
    // later call in this process, from any instance. False only when another
    // process had created it already; any failure to create it counts as a
    // first copy. The handle is never closed: the name stays taken until the
    // process ends.
    bool acquire() override;
};
