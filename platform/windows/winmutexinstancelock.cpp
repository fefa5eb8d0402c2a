#include "platform/windows/winmutexinstancelock.h"

#include "platform/windows/win32mutex.h"

bool WinMutexInstanceLock::acquire()
{
    return Win32Mutex::acquire();
}
