#pragma once

#include "platform/qt/qprocessrunner.h"

#include <QTemporaryDir>

#include <memory>

// A QProcessRunner whose program may report a Windows exit code through a
// file of its own (see SimulatedProcessLauncher).
class SimulatedProcessRunner final : public ProcessRunner
{
public:
    // Each run's report file goes in a folder of its own made inside `reportRoot`.
    SimulatedProcessRunner(QProcessRunner::ProgramResolver resolveProgram, const QString &reportRoot);
    ~SimulatedProcessRunner() override;
    Q_DISABLE_COPY_MOVE(SimulatedProcessRunner)

    void start(const QString &program, const QStringList &arguments, Output output) override;
    bool waitForStarted(int msecs) override;
    bool waitForFinished(int msecs) override;
    QProcess::ProcessState state() const override;
    void kill() override;
    QByteArray readAllStandardOutput() override;
    int exitCode() const override;
    QProcess::ExitStatus exitStatus() const override;
    QProcess::ProcessError error() const override;
    QString program() const override;
    QString workingDirectory() const override;

private:
    void takeReportedExitCode() const;

    QProcessRunner m_runner;
    QString m_reportRoot;
    // The folder, readable by this user alone, that the current run may
    // report its code in; it goes once the code is read, or with the runner.
    mutable std::unique_ptr<QTemporaryDir> m_reportFolder;
    mutable bool m_reportTaken = false;
    mutable int m_reportedExitCode = 0;
    mutable bool m_hasReportedExitCode = false;
};
