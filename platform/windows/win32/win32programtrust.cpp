#include "platform/windows/win32/win32programtrust.h"

#include "platform/windows/win32/win32api.h"

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

bool denial(unsigned char type)
{
    return type == ACCESS_DENIED_ACE_TYPE || type == ACCESS_DENIED_OBJECT_ACE_TYPE
        || type == ACCESS_DENIED_CALLBACK_ACE_TYPE || type == ACCESS_DENIED_CALLBACK_OBJECT_ACE_TYPE;
}

// The program itself shares reading only: nobody writes, replaces or deletes it while held. Its
// folders may be written, but not renamed or deleted. Sharing binds only handles that may read the
// data. The handle is the item itself, not where a link would lead.
HANDLE openItem(const std::wstring &item, bool program)
{
    return CreateFileW(item.c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES | FILE_READ_DATA,
                       program ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

} // namespace

Win32ProgramTrust::Hold::~Hold()
{
    for (void *handle : handles)
        CloseHandle(handle);
}

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
        if (denial(entry.type) || entry.inheritOnly)
            continue;
        if (entry.type != ACCESS_ALLOWED_ACE_TYPE)
            return L"an access entry of type " + std::to_wstring(entry.type);
        if ((entry.mask & rights) && !trusted(entry.sid))
            return entry.sid;
    }
    return std::wstring();
}

std::wstring Win32ProgramTrust::refusal(const std::wstring &path, Hold *hold)
{
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH || GetFileAttributesW(full) == INVALID_FILE_ATTRIBUTES)
        return path + L" does not exist";
    // The program, then each folder up to the drive's root ("C:\ZYM" goes on to "C:\"), each held
    // before anything is read from it: no link anywhere on the way, then nobody else may write.
    std::vector<std::wstring> items{full};
    while (items.back().size() > 3 && items.back().find(L'\\') != std::wstring::npos) {
        const std::size_t slash = items.back().find_last_of(L'\\');
        items.push_back(items.back().substr(0, slash == 2 ? 3 : slash));
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        const HANDLE handle = openItem(items[i], i == 0);
        if (handle == INVALID_HANDLE_VALUE)
            return items[i] + L" cannot be held while it is checked (error " + std::to_wstring(GetLastError()) + L")";
        hold->handles.push_back(handle);
        BY_HANDLE_FILE_INFORMATION information;
        if (!GetFileInformationByHandle(handle, &information))
            return L"the attributes of " + items[i] + L" cannot be read";
        // Wine tells a link by its name only.
        const DWORD named = GetFileAttributesW(items[i].c_str());
        if ((information.dwFileAttributes | (named == INVALID_FILE_ATTRIBUTES ? 0 : named)) & FILE_ATTRIBUTE_REPARSE_POINT)
            return items[i] + L" is a link to somewhere else (a junction, symbolic link or mount point)";
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        PSID owner = nullptr;
        PACL dacl = nullptr;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (GetSecurityInfo(hold->handles[hold->handles.size() - items.size() + i], SE_FILE_OBJECT,
                            OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner, nullptr, &dacl, nullptr,
                            &descriptor)
            != ERROR_SUCCESS)
            return L"the permissions of " + items[i] + L" cannot be read";
        std::vector<Entry> entries;
        for (DWORD n = 0; dacl && n < dacl->AceCount; ++n) {
            ACE_HEADER *header = nullptr;
            if (!GetAce(dacl, n, reinterpret_cast<void **>(&header)))
                continue;
            const bool plain = header->AceType == ACCESS_ALLOWED_ACE_TYPE || header->AceType == ACCESS_DENIED_ACE_TYPE;
            // Both plain kinds keep the mask and the SID at the same place; the others need no SID.
            auto *ace = reinterpret_cast<ACCESS_ALLOWED_ACE *>(header);
            entries.push_back({plain ? sidText(&ace->SidStart) : std::wstring(), ace->Mask, header->AceType,
                               (header->AceFlags & INHERIT_ONLY_ACE) != 0});
        }
        const bool driveRoot = i + 1 == items.size();
        const std::wstring writer = untrustedWriter(sidText(owner), dacl != nullptr, entries, driveRoot);
        LocalFree(descriptor);
        if (!writer.empty())
            return items[i] + L" can be changed by " + sidName(writer) + L", not only by administrators";
    }
    return std::wstring();
}
