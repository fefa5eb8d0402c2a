#pragma once

#include "backend/commandline.h"
#include "backend/packageregistry.h"
#include "platform/platform.h"

#include <QObject>
#include <QString>

#include <memory>

class ProcessRunner;
class RunController;

// Installer actions for the scene ("qtInterface"): the front-end's command
// line, the package's extract-only run and launch operations, installed and
// restart state, restart, the installation log, screen and cursor.
// The slot order is published and must not change.
class CustomSettings final : public QObject
{
    Q_OBJECT

public:
    // `commandLine` is the run's one parse; `run` owns the installer run both objects start.
    CustomSettings(const Platform &platform, const CommandLine &commandLine, RunController &run, QObject *parent = nullptr);
    ~CustomSettings() override;
    Q_DISABLE_COPY_MOVE(CustomSettings)

public slots:
    int getScreenWidth();
    int getScreenHeight();
    int toExtractFiles(); // 1 when the extract-only run started
    int toInvokeExeForInstall();
    int isRunning();
    int toInvokeExeForUninstall();
    int getMouseX();
    int getMouseY();
    bool getCommandLineArguments();
    bool toDisplaySupportedDrivers(QString c_strCommand);
    bool getCommandLineArgumentsForUpgrade();
    void toInitializeVariables();
    void toTerminateProcess();
    bool getDriverCheckboxStatus(bool c_bStatus);
    bool getDriverCheckboxStatusForMavel(bool c_bStatus);
    bool getDriverCheckboxStatusForPCI(bool c_bStatus);
    void cmdlineforNVME();
    bool isDriverInstalled();
    bool isDriverInstalled(QString strDriverName);
    void restartSystem();
    void toLaunchLogFile();
    // Opens a web page (http or https only) in the user's browser, as the user.
    void toOpenLink(const QString &strUrl);
    bool enableShutdownPrivilege();
    bool getOSVersion();
    bool toLaunchMSI();
    bool isRestartRequired();

private:
    QString setupProgramCommand() const;

    Platform m_platform;
    PackageRegistry m_packageRegistry;
    const CommandLine m_commandLine;
    RunController *m_run;
    std::unique_ptr<ProcessRunner> m_processExtract;
    QString m_strSetupCommand;
    QString m_strMsiExecPath;
    QString m_strMsiExecCommand;
    QString m_strProductCode;
    bool m_bRaidSelected = true;
    bool m_bMavelSelected = true;
    // Only the (unused) PCI check box sets it; false keeps the setup-program
    // launch free of the PCI arguments.
    bool m_bPciSelected = false;
    bool m_bRaidNvme = false;
    bool m_bRaidSata = false;
};
