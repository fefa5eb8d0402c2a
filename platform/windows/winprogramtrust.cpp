#include "platform/windows/winprogramtrust.h"

#include "platform/windows/win32/win32programtrust.h"

QString WinProgramTrust::refusal(const QString &program) const
{
    return QString::fromStdWString(Win32ProgramTrust::refusal(program.toStdWString()));
}
