#include "platform/windows/winprogramresolver.h"

#include "platform/windows/win32systemfolder.h"

QString WinProgramResolver::resolve(const QString &program)
{
    if (program.contains(QLatin1Char('\\')) || program.contains(QLatin1Char('/')) || program.contains(QLatin1Char(':')))
        return program;
    return QString::fromStdWString(Win32SystemFolder::toolPath(program.toStdWString()));
}
