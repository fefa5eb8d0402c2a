// Resolves the task tools to the system folder while the current folder and this program's own
// folder each hold a tasklist.exe of their own, as an unpack or download folder may.
#include "testreport.h"
#include "win32systemfolder.h"

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

std::wstring systemFolder()
{
    std::vector<wchar_t> folder(MAX_PATH * 4);
    const UINT length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    return std::wstring(folder.data(), length);
}

bool plant(const std::wstring &path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

bool isFile(const std::wstring &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

int wmain()
{
    TestReport report;
    const std::wstring system = systemFolder();
    report.check(!system.empty(), "the system folder is known");

    std::vector<wchar_t> buffer(MAX_PATH * 4);
    GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    const std::wstring current = std::wstring(buffer.data()) + L"zym-planted-tools";
    CreateDirectoryW(current.c_str(), nullptr);
    GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    std::wstring own(buffer.data());
    own.erase(own.find_last_of(L'\\'));
    const std::wstring planted[] = {current + L"\\tasklist.exe", current + L"\\taskkill.exe", own + L"\\tasklist.exe"};
    for (const std::wstring &path : planted)
        report.check(plant(path), "plant " + TestReport::utf8(path));
    report.check(SetCurrentDirectoryW(current.c_str()) != 0, "work in the planted folder");
    // What the program search would start instead.
    std::vector<wchar_t> found(MAX_PATH * 4);
    const DWORD foundLength = SearchPathW(nullptr, L"tasklist.exe", nullptr, static_cast<DWORD>(found.size()), found.data(), nullptr);
    const std::wstring searched(found.data(), foundLength);
    report.check(searched == planted[0] || searched == planted[2], "a search finds a planted copy: " + TestReport::utf8(searched));

    struct Case
    {
        const wchar_t *name;
        std::wstring expected;
    };
    const Case cases[] = {
        {L"TASKLIST", system + L"\\TASKLIST.exe"},
        {L"tasklist.exe", system + L"\\tasklist.exe"},
        {L"taskkill", system + L"\\taskkill.exe"},
        {L".\\tasklist.exe", L""},
        {L"C:tasklist.exe", L""},
        {L"..", L""},
        {L"", L""},
    };
    for (const Case &c : cases) {
        const std::wstring path = Win32SystemFolder::toolPath(c.name);
        report.check(path == c.expected, "\"" + TestReport::utf8(c.name) + "\" is \"" + TestReport::utf8(path) + "\"");
        if (!c.expected.empty())
            report.check(isFile(path), TestReport::utf8(path) + " is the system's own tool");
    }

    SetCurrentDirectoryW(system.c_str());
    for (const std::wstring &path : planted)
        DeleteFileW(path.c_str());
    RemoveDirectoryW(current.c_str());
    return report.finish();
}
