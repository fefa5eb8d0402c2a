#pragma once

// Privilege and restart of the machine. Kept behind a seam so that no test can
// ever restart the machine it runs on.
class Shutdown
{
public:
    virtual ~Shutdown() = default;
    // Enables the shutdown privilege in the process token; true on success.
    virtual bool enableShutdownPrivilege() = 0;
    // Asks the system to restart (ExitWindowsEx flags and reason code).
    virtual void restart(unsigned flags, unsigned reason) = 0;
};
