#include "platform/windows/winshutdown.h"

#include "platform/windows/win32shutdown.h"

bool WinShutdown::enableShutdownPrivilege()
{
    return Win32Shutdown::enableShutdownPrivilege();
}

void WinShutdown::restart(unsigned flags, unsigned reason)
{
    Win32Shutdown::restart(flags, reason);
}
