#pragma once

// The shutdown privilege of the process token and the restart of the machine.
class Win32Shutdown
{
public:
    // Enables SeShutdownPrivilege in the process token. False when the token or
    // the privilege cannot be had, or the account does not hold the privilege.
    static bool enableShutdownPrivilege();
    // ExitWindowsEx with these flags and reason code; the outcome is not read.
    static void restart(unsigned flags, unsigned reason);
};
