#include "platform/windows/win32/win32programtrust.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

namespace {

// Administrators, SYSTEM, TrustedInstaller.
const wchar_t *const TrustedSids[] = {L"S-1-5-32-544", L"S-1-5-18",
                                      L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464"};

// Writing, adding files or folders, deleting, renaming, re-permissioning, taking ownership.
constexpr unsigned long WriteRights = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_DELETE_CHILD | DELETE | WRITE_DAC
    | WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;
// Over a drive's root: only what reaches the folders already below it.
constexpr unsigned long RootRights = FILE_DELETE_CHILD | WRITE_DAC | WRITE_OWNER | GENERIC_ALL;

bool trusted(const std::wstring &sid)
{
    for (const wchar_t *known : TrustedSids) {
        if (sid == known)
            return true;
    }
    return false;
}

std::wstring sidText(PSID sid)
{
    wchar_t *text = nullptr;
    if (!sid || !ConvertSidToStringSidW(sid, &text))
        return L"?";
    std::wstring result(text);
    LocalFree(text);
    return result;
}

// "S-1-5-11 (NT AUTHORITY\Authenticated Users)", the name where Windows knows it.
std::wstring sidName(const std::wstring &text)
{
    PSID sid = nullptr;
    if (!ConvertStringSidToSidW(text.c_str(), &sid))
        return text;
    wchar_t name[256], domain[256];
    DWORD nameSize = 256, domainSize = 256;
    SID_NAME_USE use;
    std::wstring result = text;
    if (LookupAccountSidW(nullptr, sid, name, &nameSize, domain, &domainSize, &use))
        result += L" (" + (domainSize ? std::wstring(domain) + L"\\" : std::wstring()) + name + L")";
    LocalFree(sid);
    return result;
}

} // namespace

std::wstring Win32ProgramTrust::untrustedWriter(const std::wstring &owner, bool hasDacl,
                                               const std::vector<Entry> &entries, bool driveRoot)
{
    if (!driveRoot && !trusted(owner))
        return owner;
    if (!hasDacl)
        return L"S-1-1-0"; // no list at all: everyone has every right
    const unsigned long rights = driveRoot ? RootRights : WriteRights;
    for (const Entry &entry : entries) {
        // Denials are not weighed: an entry that grants is enough to refuse.
        if (entry.allows && !entry.inheritOnly && (entry.mask & rights) && !trusted(entry.sid))
            return entry.sid;
    }
    return std::wstring();
}

std::wstring Win32ProgramTrust::refusal(const std::wstring &path)
{
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH || GetFileAttributesW(full) == INVALID_FILE_ATTRIBUTES)
        return path + L" does not exist";
    std::wstring item(full);
    for (;;) {
        const std::size_t slash = item.find_last_of(L'\\');
        const bool driveRoot = slash == std::wstring::npos || slash + 1 == item.size();
        PSID owner = nullptr;
        PACL dacl = nullptr;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (GetNamedSecurityInfoW(item.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
                                  &owner, nullptr, &dacl, nullptr, &descriptor)
            != ERROR_SUCCESS)
            return L"the permissions of " + item + L" cannot be read";
        std::vector<Entry> entries;
        for (DWORD i = 0; dacl && i < dacl->AceCount; ++i) {
            ACE_HEADER *header = nullptr;
            if (!GetAce(dacl, i, reinterpret_cast<void **>(&header)))
                continue;
            // Both kinds keep the mask and the SID at the same place.
            if (header->AceType != ACCESS_ALLOWED_ACE_TYPE && header->AceType != ACCESS_DENIED_ACE_TYPE)
                continue;
            auto *ace = reinterpret_cast<ACCESS_ALLOWED_ACE *>(header);
            entries.push_back({sidText(&ace->SidStart), ace->Mask, header->AceType == ACCESS_ALLOWED_ACE_TYPE,
                               (header->AceFlags & INHERIT_ONLY_ACE) != 0});
        }
        const std::wstring writer = untrustedWriter(sidText(owner), dacl != nullptr, entries, driveRoot);
        LocalFree(descriptor);
        if (!writer.empty())
            return item + L" can be changed by " + sidName(writer) + L", not only by administrators";
        if (driveRoot)
            return std::wstring();
        item.erase(slash == 2 ? 3 : slash); // "C:\ZYM" goes on to "C:\"
    }
}
