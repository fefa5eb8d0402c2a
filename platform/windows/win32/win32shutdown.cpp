#include "platform/windows/win32/win32shutdown.h"

#include "platform/windows/win32/win32api.h"

// The adjustment hands over a one-entry privilege list, and its length.
static_assert(sizeof(TOKEN_PRIVILEGES) == 16, "a one-entry privilege list is 16 bytes");

bool Win32Shutdown::enableShutdownPrivilege()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token))
        return false;

    TOKEN_PRIVILEGES privileges = {};
    if (!LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
        CloseHandle(token);
        return false;
    }
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;

    const BOOL adjusted = AdjustTokenPrivileges(token, FALSE, &privileges, sizeof(privileges), nullptr, nullptr);
    // Success with ERROR_NOT_ALL_ASSIGNED means the account lacks the privilege;
    // read it before closing the handle can touch the last error.
    const DWORD error = GetLastError();
    CloseHandle(token);
    return adjusted && error == ERROR_SUCCESS;
}

void Win32Shutdown::restart(unsigned flags, unsigned reason)
{
    ExitWindowsEx(flags, reason);
}
