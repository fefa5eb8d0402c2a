#include "winmutexinstancelock.h"

#include "win32mutex.h"

bool WinMutexInstanceLock::acquire()
{
    return Win32Mutex::acquire();
}
