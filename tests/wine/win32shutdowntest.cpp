// Enables the shutdown privilege in this process's token in each state the
// token can be in. Nothing here restarts anything.
#include "testreport.h"
#include "platform/windows/win32shutdown.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <vector>

namespace {

enum class PrivilegeState { Missing, Disabled, Enabled, Unknown };

LUID shutdownPrivilege()
{
    LUID luid = {};
    LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &luid);
    return luid;
}

PrivilegeState privilegeState()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return PrivilegeState::Unknown;
    DWORD size = 0;
    GetTokenInformation(token, TokenPrivileges, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    PrivilegeState state = PrivilegeState::Unknown;
    if (GetTokenInformation(token, TokenPrivileges, buffer.data(), size, &size)) {
        const auto *privileges = reinterpret_cast<const TOKEN_PRIVILEGES *>(buffer.data());
        const LUID wanted = shutdownPrivilege();
        state = PrivilegeState::Missing;
        for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
            const LUID_AND_ATTRIBUTES &entry = privileges->Privileges[i];
            if (entry.Luid.LowPart == wanted.LowPart && entry.Luid.HighPart == wanted.HighPart)
                state = entry.Attributes & SE_PRIVILEGE_ENABLED ? PrivilegeState::Enabled : PrivilegeState::Disabled;
        }
    }
    CloseHandle(token);
    return state;
}

bool setPrivilege(DWORD attributes)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token))
        return false;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Luid = shutdownPrivilege();
    privileges.Privileges[0].Attributes = attributes;
    const bool adjusted = AdjustTokenPrivileges(token, FALSE, &privileges, sizeof(privileges), nullptr, nullptr)
        && GetLastError() == ERROR_SUCCESS;
    CloseHandle(token);
    return adjusted;
}

struct PrivilegeCase
{
    const char *what;
    DWORD prepare; // attributes set before the call
    bool expected;
    PrivilegeState after;
};

} // namespace

int wmain()
{
    TestReport report;
    // In this order: removing the privilege cannot be undone.
    const PrivilegeCase cases[] = {
        {"held but disabled", 0, true, PrivilegeState::Enabled},
        {"held and enabled", SE_PRIVILEGE_ENABLED, true, PrivilegeState::Enabled},
        {"not held by the account", SE_PRIVILEGE_REMOVED, false, PrivilegeState::Missing},
    };
    for (const PrivilegeCase &c : cases) {
        const std::string label = std::string(c.what) + ": ";
        report.check(setPrivilege(c.prepare), label + "prepare the token");
        const bool enabled = Win32Shutdown().enableShutdownPrivilege();
        report.check(enabled == c.expected, label + "answers " + (enabled ? "true" : "false"));
        report.check(privilegeState() == c.after, label + "the privilege as expected afterwards");
    }
    return report.finish();
}
