#pragma once

#include "platform/hkey.h"
#include "backend/commandline.h"
#include "backend/installoutcome.h"
#include "backend/packageregistry.h"
#include "platform/platform.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

class RunController;

// The driver catalogue for the scene ("qtInterface1"): the install and
// removal lists with their ticks, the installed products found in the
// registry, and the composition and start of the install and removal runs.
// The slot order is published and must not change.
class DriverInfo final : public QObject
{
    Q_OBJECT

public:
    // `commandLine` is the run's one parse; `run` owns the installer run both objects start.
    DriverInfo(const Platform &platform, const CommandLine &commandLine, RunController &run, QObject *parent = nullptr);
    ~DriverInfo() override;
    Q_DISABLE_COPY_MOVE(DriverInfo)

public slots:
    void variableInitialization();
    int getNumberOfDrivers();
    QString setDriverName(int iIndex);
    QString getDriverName(int iIndex);
    void getCheckboxStatus(bool bstatus, int iIndex);
    bool getOSVersion();
    QString setVersionNumber(int iIndex);
    QString setVersionNumberForUninstall(int iIndex);
    bool isDriverInstalled(QString strDriverName);
    int installbutton();
    int uninstallbutton();
    QString getUnistallableDrivers(int index);
    int getNumberOfUninstallableDrivers();
    void getCheckboxStatusForUninstall(bool bstatus, int iIndex);
    bool getCommandLineArguments();
    int isRunning();
    bool uninstallALLDrivers();
    void queryKey(HKEY hKey, int RecursiveDepth);
    void query(HKEY hKey);
    QString getOlderVersionNumber(int index);
    bool isRestartRequired();
    // How the last started run ended, for the page to report once isRunning
    // has answered 0: its exit code, the status text, whether to offer a
    // restart, and whether the run changed nothing and may be started again.
    int getExitCode();
    QString getCompletionStatus();
    bool isRestartOffered();
    bool isRetryOffered();
    // What the front-end exits with when the page leaves now, by Restart Now or otherwise.
    int getFrontEndExitCode(bool bRestartNow);

private:
    QString setupProgram() const;
    InstallOutcome outcome();
    QStringList removableFeatures() const;
    // The ticks of the list this run offers: kept for every row that is still the same driver
    // when the list is counted again, 1 for a new row.
    void keepTicks(const QStringList &before, const QStringList &after);

    Platform m_platform;
    PackageRegistry m_packageRegistry;
    const CommandLine m_commandLine;
    QStringList m_lstDriverSwitches;
    QVector<qint32> m_vecCheckboxStatus;
    QString m_strSetupCommand;
    QString m_strMsiExecPath;
    QString m_strProductCode;
    RunController *m_run;
    QStringList m_lstUninstallableFeatures;
    QString m_strInstallProperties;
    QVector<QString> m_vecProductKeys;
    QMap<QString, QString> m_mapInstalledVersions;
};
