#pragma once

#include "backend/commandline.h"
#include "backend/runcontroller.h"
#include "platform/argumentsource.h"
#include "platform/environment.h"
#include "platform/instancelock.h"
#include "platform/platform.h"
#include "platform/simulated/regfileregistry.h"
#include "platform/shutdown.h"
#include "platform/simulated/simulateddrive.h"
#include "platform/simulated/simulatedmachine.h"
#include "platform/simulated/simulatedprocesslauncher.h"
#include "platform/simulated/simulatedprogramtrust.h"
#include "platform/systeminfo.h"
#include "platform/urlopener.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

struct FakeSystemInfo final : SystemInfo
{
    QString version = QStringLiteral("10");
    QString architecture = QStringLiteral("x86_64");
    QString productVersion() const override { return version; }
    QString cpuArchitecture() const override { return architecture; }
};

struct FakeEnvironment final : Environment
{
    QHash<QString, QString> variables;
    QString value(const QString &name) const override { return variables.value(name); }
};

struct FakeShutdown final : Shutdown
{
    QList<QPair<unsigned, unsigned>> restarts;
    bool enableShutdownPrivilege() override { return true; }
    void restart(unsigned flags, unsigned reason) override { restarts.append({flags, reason}); }
};

struct FakeUrlOpener final : UrlOpener
{
    QList<QUrl> opened;
    bool open(const QUrl &url) override { opened.append(url); return true; }
};

struct FakeArguments final : ArgumentSource
{
    QStringList list = {QStringLiteral("/app/ChipsetDriverInstaller")};
    QString dirPath = QStringLiteral("/app");
    QStringList arguments() const override { return list; }
    QString applicationDirPath() const override { return dirPath; }
};

// A simulated machine (SimulatedMachine's layout) in a temporary folder. Programs started on it are real processes; the
// stand-ins written by `addRecorder` note each start and its arguments in the record file, as the demo's do.
class TestMachine
{
public:
    TestMachine();

    Platform platform() { return {*registry, *launcher, shutdown, environment, systemInfo, urlOpener, arguments, programTrust}; }

    // The front-end's arguments, without the executable.
    void setArguments(const QStringList &list) { arguments.list = QStringList{appPath + QStringLiteral("/ChipsetDriverInstaller")} + list; }
    void writeRegistry(const QString &body); // the lines after the header
    // A stand-in at a Windows path ("C:\\..." or relative to the application
    // folder) that records its arguments, sleeps, then exits with `exitCode`.
    void addRecorder(const QString &windowsPath, double sleepSeconds = 0, int exitCode = 0)
    {
        writeStandIn(windowsPath, sleepSeconds, exitCode, QString());
    }
    // The same stand-in, except that right before it exits it sets a string value in the
    // registry file with the regfile tool, as the package records the outcome of its run.
    void addRegistryWriter(const QString &windowsPath, const QString &keyPath, const QString &name,
                           const QString &text, double sleepSeconds = 0, int exitCode = 0);
    // Each run recorded by the stand-ins: program name, then its arguments.
    QList<QStringList> recordedRuns() const { return layout.recordedRuns(); }

    QTemporaryDir root;
    SimulatedMachine layout{root.path()};
    QString drivePath = layout.drivePath();
    QString appPath = layout.applicationPath();
    QString registryPath = layout.registryPath();
    QString recordPath = layout.recordPath();
    FakeSystemInfo systemInfo;
    FakeEnvironment environment;
    FakeShutdown shutdown;
    FakeUrlOpener urlOpener;
    FakeArguments arguments;
    std::unique_ptr<RegFileRegistry> registry = std::make_unique<RegFileRegistry>(registryPath);
    std::unique_ptr<ProcessLauncher> launcher = std::make_unique<SimulatedProcessLauncher>(SimulatedDrive(drivePath));
    SimulatedProgramTrust programTrust{drivePath};
    // The run's one parse and its installer run, as start-up hands them to the published objects.
    CommandLine commandLine() const { return CommandLine(arguments.list); }
    RunController run{*launcher};

private:
    void writeStandIn(const QString &windowsPath, double sleepSeconds, int exitCode, const QString &beforeExit);
};

// The shared libraries mapped into this process, as /proc lists them.
QByteArray loadedLibraries();
