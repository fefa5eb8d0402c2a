#pragma once

// The single-instance guard: held from the first successful acquire until the
// process ends, never released.
class InstanceLock
{
public:
    virtual ~InstanceLock() = default;
    // False only when another copy holds the lock; any other failure counts as
    // a first copy.
    virtual bool acquire() = 0;
};
