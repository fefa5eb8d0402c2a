// Resolves the task tools to the system folder while the current folder and this program's own
// folder each hold a tasklist.exe that the program search would find first.
#include "testreport.h"
#include "platform/windows/win32systemfolder.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <vector>

int wmain()
{
    TestReport report;
    std::vector<wchar_t> buffer(MAX_PATH * 4);
    const auto size = static_cast<DWORD>(buffer.size());
    const std::wstring system(buffer.data(), GetSystemDirectoryW(buffer.data(), size));
    const std::wstring current = std::wstring(buffer.data(), GetTempPathW(size, buffer.data())) + L"zym-planted-tools";
    CreateDirectoryW(current.c_str(), nullptr);
    std::wstring own(buffer.data(), GetModuleFileNameW(nullptr, buffer.data(), size));
    own.erase(own.find_last_of(L'\\'));
    const std::wstring planted[] = {current + L"\\tasklist.exe", current + L"\\taskkill.exe", own + L"\\tasklist.exe"};
    for (const std::wstring &path : planted) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        report.check(file != INVALID_HANDLE_VALUE && CloseHandle(file), "plant " + TestReport::utf8(path));
    }
    report.check(SetCurrentDirectoryW(current.c_str()) != 0, "work in the planted folder");
    const std::wstring searched(buffer.data(), SearchPathW(nullptr, L"tasklist.exe", nullptr, size, buffer.data(), nullptr));
    report.check(searched == planted[0] || searched == planted[2], "a search finds a planted copy: " + TestReport::utf8(searched));

    struct Case
    {
        const wchar_t *name;
        std::wstring expected;
    };
    const Case cases[] = {
        {L"TASKLIST", system + L"\\TASKLIST.exe"}, {L"tasklist.exe", system + L"\\tasklist.exe"},
        {L"taskkill", system + L"\\taskkill.exe"}, {L".\\tasklist.exe", L""}, {L"C:tasklist.exe", L""}, {L"", L""},
    };
    for (const Case &c : cases) {
        const std::wstring path = Win32SystemFolder::toolPath(c.name);
        report.check(path == c.expected, "\"" + TestReport::utf8(c.name) + "\" is \"" + TestReport::utf8(path) + "\"");
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (!c.expected.empty())
            report.check(attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY),
                         TestReport::utf8(path) + " is the system's own tool");
    }

    SetCurrentDirectoryW(system.c_str());
    for (const std::wstring &path : planted)
        DeleteFileW(path.c_str());
    RemoveDirectoryW(current.c_str());
    return report.finish();
}
