#include "platform/windows/winprogramtrust.h"

#include "platform/windows/win32/win32programtrust.h"

ProgramTrust::Verdict WinProgramTrust::check(const QString &program) const
{
    auto hold = std::make_shared<Win32ProgramTrust::Hold>();
    const std::wstring refusal = Win32ProgramTrust::refusal(program.toStdWString(), hold.get());
    if (!refusal.empty())
        return {QString::fromStdWString(refusal), nullptr};
    return {QString(), hold};
}
