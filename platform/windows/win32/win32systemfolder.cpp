#include "platform/windows/win32/win32systemfolder.h"

#include "platform/windows/win32/win32api.h"

#include <vector>

std::wstring Win32SystemFolder::toolPath(const std::wstring &name)
{
    if (name.empty() || name.find_first_of(L"\\/:") != std::wstring::npos || name == L"." || name == L"..")
        return std::wstring();
    const UINT length = GetSystemDirectoryW(nullptr, 0);
    if (length == 0)
        return std::wstring();
    std::vector<wchar_t> folder(length);
    const UINT written = GetSystemDirectoryW(folder.data(), length);
    if (written == 0 || written >= length)
        return std::wstring();
    std::wstring path(folder.data(), written);
    if (path.back() != L'\\')
        path += L'\\';
    path += name;
    if (name.find(L'.') == std::wstring::npos)
        path += L".exe";
    return path;
}
