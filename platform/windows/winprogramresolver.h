#pragma once

#include <QString>

// Where a program named by the front-end is started from on Windows: a bare name such as
// "TASKLIST" is a system tool and runs from the system folder, never found by the program
// search; so does a program named in "C:\Windows\System32\" (MsiExec), from wherever
// Windows really is; any other path stays as it is.
class WinProgramResolver final
{
public:
    // Empty, so that nothing starts, when a bare name has no place in the system folder.
    static QString resolve(const QString &program);
};
