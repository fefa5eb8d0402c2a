#pragma once

#include <QString>

// Where the package's programs and files are on Windows: fixed, never looked up by name. Tests
// and the simulated machine's tools take them from here.
class ProductPaths final
{
public:
    // The setup program as the package unpacks it; started with EXTRACTONLY=1 on leaving.
    static inline const QString extractOnlyProgram = QStringLiteral(
        "C:\\ZYM\\Chipset_Driver_Installer\\ChipsetDriversExtract\\MSIFiles\\Packages\\ZYM_Chipset_Drivers.exe");
    // The setup program that installs, relative to the front-end's own folder.
    static inline const QString setupProgramFromFrontEnd = QStringLiteral("..\\Packages\\ZYM_Chipset_Drivers.exe");
    // That program as a command line names it, from the front-end's folder as Qt gives it: quoted,
    // with backslashes, the ".." kept.
    static QString quotedSetupProgram(QString applicationDir)
    {
        applicationDir.replace(QLatin1Char('/'), QLatin1Char('\\'));
        return QLatin1Char('"') + applicationDir + QLatin1Char('\\') + setupProgramFromFrontEnd + QLatin1Char('"');
    }
    static inline const QString msiExec = QStringLiteral("C:\\Windows\\System32\\MsiExec.exe");
    // The installation log's file name, in the user's profile folder.
    static inline const QString installationLog = QStringLiteral("ZYM_Chipset_IODrivers.log");
};
