#pragma once

#include "platform/shutdown.h"

// The shutdown privilege of the process token and the restart of the machine.
class Win32Shutdown final : public Shutdown
{
public:
    // Enables SeShutdownPrivilege in the process token. False when the token or
    // the privilege cannot be had, or the account does not hold the privilege.
    bool enableShutdownPrivilege() override;
    // ExitWindowsEx with these flags and reason code; the outcome is not read.
    void restart(unsigned flags, unsigned reason) override;
};
