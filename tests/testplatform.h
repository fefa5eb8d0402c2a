#pragma once

#include "platform/argumentsource.h"
#include "platform/environment.h"
#include "platform/instancelock.h"
#include "platform/platform.h"
#include "platform/simulated/regfileregistry.h"
#include "platform/shutdown.h"
#include "platform/simulated/simulateddrive.h"
#include "platform/simulated/simulatedprocesslauncher.h"
#include "platform/systeminfo.h"
#include "platform/urlopener.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

class FakeSystemInfo final : public SystemInfo
{
public:
    QString version = QStringLiteral("10");
    QString architecture = QStringLiteral("x86_64");
    QString productVersion() const override { return version; }
    QString cpuArchitecture() const override { return architecture; }
};

class FakeEnvironment final : public Environment
{
public:
    QHash<QString, QString> variables;
    QString value(const QString &name) const override { return variables.value(name); }
};

class FakeShutdown final : public Shutdown
{
public:
    QList<QPair<unsigned, unsigned>> restarts;
    bool enableShutdownPrivilege() override { return true; }
    void restart(unsigned flags, unsigned reason) override { restarts.append({flags, reason}); }
};

class FakeUrlOpener final : public UrlOpener
{
public:
    QList<QUrl> opened;
    bool open(const QUrl &url) override { opened.append(url); return true; }
};

class FakeArguments final : public ArgumentSource
{
public:
    QStringList list = {QStringLiteral("/app/ChipsetDriverInstaller")};
    QString dirPath = QStringLiteral("/app");
    QStringList arguments() const override { return list; }
    QString applicationDirPath() const override { return dirPath; }
};

// A simulated machine in a temporary folder: a registry file, a drive C: and
// an application folder with "..\Packages" beside it. Programs started on it
// are real processes; the stand-ins written by `addRecorder` note each start
// and its arguments in a record file, as the demo's stand-ins do.
class TestMachine
{
public:
    TestMachine();

    Platform platform();

    void setArguments(const QStringList &arguments); // without the executable
    void writeRegistry(const QString &body);         // the lines after the header
    // A stand-in at a Windows path ("C:\\..." or relative to the application
    // folder) that records its arguments, sleeps, then exits with `exitCode`.
    void addRecorder(const QString &windowsPath, double sleepSeconds = 0, int exitCode = 0);
    // The same stand-in, except that after its sleep, right before it exits, it
    // sets a string value in the registry file with the regfile tool, as the
    // package records the outcome of its run.
    void addRegistryWriter(const QString &windowsPath, const QString &keyPath, const QString &name,
                           const QString &text, double sleepSeconds = 0, int exitCode = 0);
    // The same stand-in, except that after its sleep it prints `output` on its
    // standard output, as a system tool answers.
    void addPrinter(const QString &windowsPath, const QByteArray &output, double sleepSeconds = 0);
    // Each run recorded by the stand-ins: program name, then its arguments.
    QList<QStringList> recordedRuns() const;
    QString setupProgramPath() const; // the stand-in path for the setup program

    QTemporaryDir root;
    QString drivePath;
    QString appPath;
    QString registryPath;
    QString recordPath;
    FakeSystemInfo systemInfo;
    FakeEnvironment environment;
    FakeShutdown shutdown;
    FakeUrlOpener urlOpener;
    FakeArguments arguments;
    std::unique_ptr<RegFileRegistry> registry;
    std::unique_ptr<ProcessLauncher> launcher;

private:
    void writeStandIn(const QString &windowsPath, double sleepSeconds, int exitCode, const QString &beforeExit);
};
