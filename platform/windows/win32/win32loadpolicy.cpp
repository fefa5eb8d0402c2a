#include "platform/windows/win32/win32loadpolicy.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <stdlib.h>
#include <vector>

namespace {
// Qt reads each at start, and each can name a folder or file of code (a style is QML).
const wchar_t *const Removed[] = {L"QT_PLUGIN_PATH", L"QT_QPA_PLATFORM_PLUGIN_PATH", L"QML_IMPORT_PATH",
                                  L"QML2_IMPORT_PATH", L"QML_DISK_CACHE_PATH", L"QT_QUICK_CONTROLS_STYLE",
                                  L"QT_QUICK_CONTROLS_STYLE_PATH", L"QT_QUICK_CONTROLS_CONF",
                                  L"QT_QUICK_CONTROLS_FALLBACK_STYLE", nullptr};
} // namespace

std::wstring Win32LoadPolicy::restrict()
{
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    for (const wchar_t *const *name = Removed; *name; ++name) {
        // Qt reads the C runtime's copy; the process's own goes for the programs it starts.
        _wputenv_s(*name, L"");
        SetEnvironmentVariableW(*name, nullptr);
    }
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
