#include "platform/windows/win32/win32commandline.h"

#include "platform/windows/win32/win32api.h"

#include <shellapi.h>

std::vector<std::wstring> Win32CommandLine::arguments()
{
    int count = 0;
    wchar_t **list = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!list)
        return {};
    std::vector<std::wstring> arguments(list, list + count);
    LocalFree(list);
    return arguments;
}
