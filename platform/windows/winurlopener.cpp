#include "platform/windows/winurlopener.h"

#include "platform/windows/win32/win32shellopener.h"

#include <QDir>

bool WinUrlOpener::open(const QUrl &url)
{
    if (url.isLocalFile()) {
        const std::wstring file = QDir::toNativeSeparators(url.toLocalFile()).toStdWString();
        return Win32ShellOpener::openThroughShell(file) || Win32ShellOpener::openInNotepad(file);
    }
    // A web page, and nothing else a link could name (a program, a share, a protocol handler).
    if (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http"))
        return false;
    return Win32ShellOpener::openThroughShell(url.toString(QUrl::FullyEncoded).toStdWString());
}
