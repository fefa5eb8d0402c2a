#include "platform/windows/win32/win32errorbox.h"

#include "platform/windows/win32/win32api.h"

void Win32ErrorBox::show(const std::wstring &title, const std::wstring &text)
{
    // In the foreground: no window of ours is up to bring it there.
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}
