#include "platform/windows/win32/win32errorbox.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

void Win32ErrorBox::show(const std::wstring &title, const std::wstring &text)
{
    // In the foreground: no window of ours is up to bring it there.
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}
