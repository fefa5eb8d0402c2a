// The Win32 layer of platform/windows/win32 against a real Windows API (Wine's): the
// registry reads, whose every answer in the exported tree goes to the file
// named on the command line for tst_regexportcompare to hold the registry-file
// reader to; the tool paths, the instance mutex and the shutdown privilege.
#include "platform/windows/win32/win32mutex.h"
#include "platform/windows/win32/win32programtrust.h"
#include "platform/windows/win32/win32registry.h"
#include "platform/windows/win32/win32shutdown.h"
#include "platform/windows/win32/win32systemfolder.h"

#include <windows.h>

#include <process.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

int failures = 0;

void check(bool passed, const std::string &what)
{
    if (!passed && ++failures)
        std::printf("FAIL: %s\n", what.c_str());
}

std::string utf8(const std::wstring &text)
{
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), &bytes[0], int(bytes.size()),
                                     nullptr, nullptr));
    return bytes;
}

// With its terminator, as the registry stores a text.
Bytes utf16(const std::wstring &text)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.c_str());
    return Bytes(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
}

std::string hex(const std::string &bytes)
{
    std::string digits;
    for (const unsigned char byte : bytes)
        digits += {"0123456789abcdef"[byte >> 4], "0123456789abcdef"[byte & 0xf]};
    return digits;
}

// The tree: written through the 32-bit view, as the 32-bit package writes its
// keys, and read back through the explicit WOW6432Node path. The 64-bit view
// holds its own marker and the values an export does not carry as they are.
const std::wstring TestKey = L"SOFTWARE\\ZYM_TEST";
const std::wstring Wow = L"HKLM\\SOFTWARE\\WOW6432Node\\ZYM_TEST";
const std::wstring Native = L"HKLM\\SOFTWARE\\ZYM_TEST";
const std::wstring Unicode = L"\u00dcn\u00efc\u00f8d\u00e9 \u2713 \U0001D11E";
const std::wstring QuotedName = L"say \"hi\" \\ there";

struct StoredValue
{
    REGSAM view;
    std::wstring key; // below TestKey
    std::wstring name;
    DWORD type;
    Bytes data;
};

const StoredValue Stored[] = {
    {KEY_WOW64_64KEY, L"Package", L"View", REG_SZ, utf16(L"64")},
    {KEY_WOW64_64KEY, L"Odd", L"EmptyNoTerminator", REG_SZ, {}},
    {KEY_WOW64_64KEY, L"Odd", L"EmbeddedNul", REG_SZ, utf16(std::wstring(L"abc\0def", 7))},
    {KEY_WOW64_32KEY, L"Package", L"View", REG_SZ, utf16(L"32")},
    {KEY_WOW64_32KEY, L"Package", L"InstallationPath", REG_SZ, utf16(L"C:\\Program Files (x86)\\ZYM\\")},
    {KEY_WOW64_32KEY, L"Package", L"DeployedFeatures", REG_SZ, utf16(L"PCI,GPIO2,SMBUS,CIR")},
    {KEY_WOW64_32KEY, L"Package", L"Empty", REG_SZ, utf16(L"")},
    {KEY_WOW64_32KEY, L"Package", L"Expand", REG_EXPAND_SZ, utf16(L"%ProgramFiles%\\ZYM")},
    {KEY_WOW64_32KEY, L"Package", L"Multi", REG_MULTI_SZ, utf16(std::wstring(L"one\0two\0", 8))},
    {KEY_WOW64_32KEY, L"Package", L"Answer", REG_DWORD, {42, 0, 0, 0}},
    {KEY_WOW64_32KEY, L"Package", L"Blob", REG_BINARY, {0x00, 0xab, 0x10}},
    {KEY_WOW64_32KEY, L"Package", L"Unicode", REG_SZ, utf16(Unicode)},
    {KEY_WOW64_32KEY, L"Package", QuotedName, REG_SZ, utf16(L"C:\\\"quoted\"\\path")},
    {KEY_WOW64_32KEY, L"Package", L"", REG_SZ, utf16(L"default text")},
    {KEY_WOW64_32KEY, L"Products", L"Owner", REG_SZ, utf16(L"ZYM")},
    {KEY_WOW64_32KEY, L"Products\\ZYM_GPIO", L"ProductVersion", REG_SZ, utf16(L"1.0.0.5")},
    {KEY_WOW64_32KEY, L"Products\\ZYM_GPIO", L"prdtcmd", REG_SZ, utf16(L"/SETGPIO2")},
    {KEY_WOW64_32KEY, L"Products\\ZYM_PCI", L"ProductVersion", REG_SZ, utf16(L"2.1.0.3")},
    {KEY_WOW64_32KEY, L"Products\\ZYM_PCI", L"prdtcmd", REG_SZ, utf16(L"/SETPCI")},
    {KEY_WOW64_32KEY, L"Products\\ZYM_Docs", L"ProductVersion", REG_SZ, utf16(L"1.0")},
};

struct TextCase
{
    std::wstring keyPath;
    std::wstring name;
    std::optional<std::wstring> expected;
};

const std::wstring Package = Wow + L"\\Package";
const TextCase TextCases[] = {
    // Both views, each by its own path; hive spellings and letter case.
    {Package, L"View", L"32"},
    {Native + L"\\Package", L"View", L"64"},
    {L"HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM_TEST\\Package", L"View", L"32"},
    {L"hklm\\software\\wow6432node\\zym_test\\package\\", L"View", L"32"},
    {L"SOFTWARE\\WOW6432Node\\ZYM_TEST\\Package", L"View", std::nullopt},
    // What the installer reads; empty is not absent.
    {Package, L"InstallationPath", L"C:\\Program Files (x86)\\ZYM\\"},
    {Package, L"DeployedFeatures", L"PCI,GPIO2,SMBUS,CIR"},
    {Wow + L"\\Products\\ZYM_PCI", L"prdtcmd", L"/SETPCI"},
    {Wow + L"\\Products\\ZYM_Docs", L"prdtcmd", std::nullopt},
    {Package, L"Empty", L""},
    {Native + L"\\Odd", L"EmptyNoTerminator", L""},
    {Package, L"Missing", std::nullopt},
    {Wow + L"\\Missing", L"View", std::nullopt},
    // Types.
    {Native + L"\\Odd", L"EmbeddedNul", L"abc"},
    {Package, L"Expand", L"C:\\Program Files\\ZYM"},
    {Package, L"Multi", L"one\ntwo"},
    {Package, L"Answer", L"42"},
    {Package, L"Blob", L"00ab10"},
    {Package, L"Unicode", Unicode},
    {Package, QuotedName, L"C:\\\"quoted\"\\path"},
    {Package, L"", L"default text"},
};

// One line of tab-separated fields, each the hexadecimal digits of its UTF-8.
void record(std::FILE *file, const std::vector<std::string> &fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        std::fprintf(file, i == 0 ? "%s" : "\t%s", hex(fields[i]).c_str());
    std::fputc('\n', file);
}

// Everything the product-tree walk asks of one key.
void recordWalk(std::FILE *file, const std::wstring &path)
{
    HKEY key = nullptr;
    Win32Registry::KeyInfo info;
    check(Win32Registry::openKey(path, &key) == ERROR_SUCCESS && Win32Registry::queryInfo(key, &info) == ERROR_SUCCESS,
          "open and query " + utf8(path));
    record(file, {"info", utf8(path), std::to_string(info.subKeyCount), std::to_string(info.valueCount),
                  std::to_string(info.maxValueDataLength)});
    const std::pair<std::string, long (*)(HKEY, unsigned long, std::wstring *)> enumerations[] = {
        {"enumKey", &Win32Registry::enumKey}, {"enumValue", &Win32Registry::enumValue}};
    for (const auto &[kind, enumerate] : enumerations) {
        for (unsigned long index = 0; index < 100; ++index) {
            std::wstring name;
            const long result = enumerate(key, index, &name);
            record(file, {kind, utf8(path), std::to_string(index), std::to_string(result), utf8(name)});
            if (result == ERROR_NO_MORE_ITEMS)
                break;
            Bytes data;
            if (result == ERROR_SUCCESS && kind == "enumValue") {
                const long dataResult = Win32Registry::queryValue(key, name, &data);
                record(file, {"data", utf8(path), utf8(name), std::to_string(dataResult),
                              hex(std::string(data.begin(), data.end()))});
            }
        }
    }
    Win32Registry::closeKey(key);
}

void checkRegistry(const wchar_t *expectationsFile)
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\WOW6432Node\\ZYM_TEST");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, TestKey.c_str());
    for (const StoredValue &v : Stored) {
        HKEY key = nullptr;
        check(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (TestKey + L"\\" + v.key).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS | v.view, nullptr, &key, nullptr) == ERROR_SUCCESS
                  && RegSetValueExW(key, v.name.c_str(), 0, v.type, v.data.empty() ? nullptr : v.data.data(),
                                    DWORD(v.data.size())) == ERROR_SUCCESS,
              "write " + utf8(v.key + L" " + v.name));
        RegCloseKey(key);
    }

    std::FILE *file = _wfopen(expectationsFile, L"wb");
    check(file != nullptr, "open the expectations file");
    if (!file)
        return;
    for (const TextCase &c : TextCases) {
        const std::optional<std::wstring> text = Win32Registry::readText(c.keyPath, c.name);
        check(text == c.expected, "readText " + utf8(c.keyPath + L" " + c.name) + ": "
                                      + (text ? "\"" + utf8(*text) + "\"" : std::string("absent")));
        // The 64-bit view is not in the export; a file holds no environment to expand with.
        if (c.keyPath.rfind(Native, 0) != 0 && c.name != L"Expand")
            record(file, {text ? "text" : "absent", utf8(c.keyPath), utf8(c.name), utf8(text.value_or(L""))});
    }
    for (const wchar_t *key : {L"", L"\\Package", L"\\Products", L"\\Products\\ZYM_PCI", L"\\Products\\ZYM_Docs"})
        recordWalk(file, Wow + key);
    check(std::fclose(file) == 0, "write the expectations file");
}

void checkToolPaths()
{
    wchar_t folder[MAX_PATH];
    const std::wstring system(folder, GetSystemDirectoryW(folder, MAX_PATH));
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"TASKLIST", system + L"\\TASKLIST.exe"}, {L"taskkill.exe", system + L"\\taskkill.exe"},
        {L".\\tasklist.exe", L""}, {L"C:tasklist.exe", L""}, {L"..", L""}, {L"", L""}};
    for (const auto &[name, expected] : cases) {
        const std::wstring path = Win32SystemFolder::toolPath(name);
        check(path == expected && (expected.empty() || GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES),
              "toolPath \"" + utf8(name) + "\" is \"" + utf8(path) + "\"");
    }
}

// Who could change the program an elevated front-end starts; a drive's root only for what reaches below it.
void checkProgramTrust()
{
    const std::wstring admins = L"S-1-5-32-544", system = L"S-1-5-18", users = L"S-1-5-32-545", authenticated = L"S-1-5-11";
    using E = Win32ProgramTrust::Entry;
    constexpr unsigned char Allow = ACCESS_ALLOWED_ACE_TYPE;
    const E adminsFull{admins, FILE_ALL_ACCESS, Allow, false}, systemFull{system, GENERIC_ALL, Allow, false};
    const struct { const char *what; std::wstring owner; bool hasDacl; std::vector<E> entries; bool root; std::wstring writer; } rows[] = {
        {"administrators only, users read", admins, true, {adminsFull, systemFull, {users, FILE_GENERIC_READ | FILE_GENERIC_EXECUTE, Allow, false}}, false, L""},
        {"a setup's folder below C:\\", admins, true, {adminsFull, {authenticated, FILE_GENERIC_WRITE | DELETE, Allow, false}}, false, authenticated},
        {"users may add files", admins, true, {adminsFull, {users, FILE_ADD_FILE, Allow, false}}, false, users},
        {"users may re-permission", system, true, {{users, WRITE_DAC, Allow, false}}, false, users},
        {"only what is made below", admins, true, {adminsFull, {L"S-1-3-0", GENERIC_ALL, Allow, true}}, false, L""},
        {"a denial does not count", admins, true, {adminsFull, {users, GENERIC_WRITE, ACCESS_DENIED_ACE_TYPE, false}}, false, L""},
        {"owned by a user", L"S-1-5-21-1-2-3-1001", true, {adminsFull}, false, L"S-1-5-21-1-2-3-1001"},
        {"no list at all", admins, false, {}, false, L"S-1-1-0"},
        {"C:\\ lets users make folders", L"S-1-5-21-1-2-3-1001", true, {adminsFull, {authenticated, FILE_APPEND_DATA, Allow, false}}, true, L""},
        {"a root lets users delete below", admins, true, {{users, FILE_DELETE_CHILD, Allow, false}}, true, users},
        {"an allow entry with a condition", admins, true, {adminsFull, {L"", FILE_READ_DATA, ACCESS_ALLOWED_CALLBACK_ACE_TYPE, false}}, false, L"an access entry of type 9"},
        {"an allow entry for some objects", admins, true, {{L"", 0, ACCESS_ALLOWED_OBJECT_ACE_TYPE, false}}, true, L"an access entry of type 5"},
    };
    for (const auto &row : rows)
        check(Win32ProgramTrust::untrustedWriter(row.owner, row.hasDacl, row.entries, row.root) == row.writer,
              std::string("program trust: ") + row.what);
    // Wine keeps no permissions of its own: what it makes belongs to the user running it.
    Win32ProgramTrust::Hold none;
    check(Win32ProgramTrust::refusal(L"C:\\windows\\no such program.exe", &none) == L"C:\\windows\\no such program.exe does not exist",
          "program trust: a missing program");
    const wchar_t *const program = L"C:\\windows\\system32\\msiexec.exe";
    {
        Win32ProgramTrust::Hold hold;
        check(Win32ProgramTrust::refusal(program, &hold).find(L" can be changed by S-1-5-21-") != std::wstring::npos,
              "program trust: a file Wine made is the user's");
        const HANDLE writer = CreateFileW(program, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, 0, nullptr);
        check(writer == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION,
              "program trust: the checked program cannot be written while held");
        if (writer != INVALID_HANDLE_VALUE)
            CloseHandle(writer);
    }
    const HANDLE writer = CreateFileW(program, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    check(writer != INVALID_HANDLE_VALUE, "program trust: the program is let go with its hold");
    CloseHandle(writer);
}

constexpr int SecondCopy = 3; // the exit code of a probe that found the mutex taken

// This process is the first copy and holds the mutex by its name; a copy
// started meanwhile is a second copy.
void checkMutex()
{
    check(Win32Mutex().acquire() && Win32Mutex().acquire(), "this process is the first copy, through any lock");
    HANDLE named = OpenMutexW(SYNCHRONIZE, FALSE, L"COMM-ZYM-APPS-KPQ_DRIVER_INSTALLER");
    check(named != nullptr, "the mutex goes by the installer's name");
    CloseHandle(named);
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const intptr_t exitCode = _wspawnl(_P_WAIT, self, L"win32test", L"probe", nullptr);
    check(exitCode == SecondCopy, "a copy started meanwhile is a second copy: exit " + std::to_string(exitCode));
}

// Sets the shutdown privilege's attributes in this process's token; answers
// its attributes before, as the token reports them (0 for no change).
DWORD setShutdownPrivilege(DWORD attributes)
{
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token);
    TOKEN_PRIVILEGES wanted = {};
    wanted.PrivilegeCount = 1;
    wanted.Privileges[0].Attributes = attributes;
    LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &wanted.Privileges[0].Luid);
    TOKEN_PRIVILEGES before = {};
    DWORD size = sizeof(before);
    AdjustTokenPrivileges(token, FALSE, &wanted, sizeof(wanted), &before, &size);
    CloseHandle(token);
    return before.PrivilegeCount == 1 ? before.Privileges[0].Attributes : 0;
}

// Last: a privilege removed from the token cannot be had back.
void checkShutdownPrivilege()
{
    setShutdownPrivilege(0);
    check(Win32Shutdown().enableShutdownPrivilege(), "enabling the held shutdown privilege succeeds");
    check(setShutdownPrivilege(0) & SE_PRIVILEGE_ENABLED, "the shutdown privilege is enabled");
    setShutdownPrivilege(SE_PRIVILEGE_REMOVED);
    check(!Win32Shutdown().enableShutdownPrivilege(), "without the privilege the answer is false");
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2)
        return 2;
    if (std::wstring(argv[1]) == L"probe")
        return Win32Mutex().acquire() ? 0 : SecondCopy;
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    checkRegistry(argv[1]);
    checkToolPaths();
    checkProgramTrust();
    checkMutex();
    checkShutdownPrivilege();
    std::printf("%d failed\n", failures);
    return failures == 0 ? 0 : 1;
}
