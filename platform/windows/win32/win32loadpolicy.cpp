#include "platform/windows/win32/win32loadpolicy.h"

#include "platform/windows/win32/win32api.h"

#include <stdlib.h>
#include <cwctype>
#include <vector>

namespace {

const wchar_t *const QtPrefixes[] = {L"QT_", L"QML_", L"QML2_", L"QSG_", L"QMLSCENE_"};

// Both copies: Qt reads the C runtime's, the programs the front-end starts get the process's.
void setVariable(const std::wstring &name, const wchar_t *value)
{
    _wputenv_s(name.c_str(), value ? value : L"");
    SetEnvironmentVariableW(name.c_str(), value);
}

std::vector<std::wstring> variableNames()
{
    std::vector<std::wstring> names;
    wchar_t *block = GetEnvironmentStringsW();
    if (!block)
        return names;
    for (const wchar_t *entry = block; *entry; entry += wcslen(entry) + 1) {
        // "=C:=C:\..." entries keep each drive's current folder; their names begin with "=".
        const wchar_t *equals = wcschr(entry + 1, L'=');
        if (equals)
            names.emplace_back(entry, equals);
    }
    FreeEnvironmentStringsW(block);
    return names;
}

// Whether `name` is one of Qt's variables, in any letter case, as Windows compares names.
bool readByQt(const std::wstring &name)
{
    for (const wchar_t *prefix : QtPrefixes) {
        const std::size_t length = wcslen(prefix);
        if (name.size() < length)
            continue;
        bool same = true;
        for (std::size_t i = 0; i < length && same; ++i)
            same = std::towupper(name[i]) == prefix[i];
        if (same)
            return true;
    }
    return false;
}

} // namespace

std::wstring Win32LoadPolicy::restrict()
{
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    for (const std::wstring &name : variableNames()) {
        if (readByQt(name))
            setVariable(name, nullptr);
    }
    setVariable(L"QML_DISABLE_DISK_CACHE", L"1");
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size()) {
            std::wstring folder(path.data(), length);
            return folder.substr(0, folder.find_last_of(L'\\'));
        }
        path.resize(path.size() * 2);
    }
}
