#include "platform/windows/winprogramresolver.h"

#include "platform/windows/win32/win32systemfolder.h"

namespace {
// How the front-end's command texts name the system folder; where Windows really is, only
// Windows can say: on a machine whose Windows is not on C:, a standard user may create this.
const QString kWrittenSystemFolder = QStringLiteral("C:\\Windows\\System32\\");
} // namespace

QString WinProgramResolver::resolve(const QString &program)
{
    if (program.startsWith(kWrittenSystemFolder, Qt::CaseInsensitive))
        return QString::fromStdWString(Win32SystemFolder::toolPath(program.mid(kWrittenSystemFolder.size()).toStdWString()));
    if (program.contains(QLatin1Char('\\')) || program.contains(QLatin1Char('/')) || program.contains(QLatin1Char(':')))
        return program;
    return QString::fromStdWString(Win32SystemFolder::toolPath(program.toStdWString()));
}
