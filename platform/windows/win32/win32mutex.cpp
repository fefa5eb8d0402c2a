#include "platform/windows/win32/win32mutex.h"

#include "platform/windows/win32/win32api.h"

namespace {

constexpr wchar_t MutexName[] = L"COMM-ZYM-APPS-KPQ_DRIVER_INSTALLER";

// Held for the life of the process and never closed; the system drops it when
// the process ends, and only then may another copy start as the first.
HANDLE instanceMutex = nullptr;

bool createInstanceMutex()
{
    instanceMutex = CreateMutexW(nullptr, TRUE, MutexName);
    return GetLastError() != ERROR_ALREADY_EXISTS;
}

} // namespace

bool Win32Mutex::acquire()
{
    static const bool firstCopy = createInstanceMutex();
    return firstCopy;
}
