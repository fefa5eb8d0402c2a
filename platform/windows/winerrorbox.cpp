#include "platform/windows/winerrorbox.h"

#include "platform/windows/win32/win32errorbox.h"

void WinErrorBox::show(const QString &title, const QString &text)
{
    Win32ErrorBox::show(title.toStdWString(), text.toStdWString());
}
