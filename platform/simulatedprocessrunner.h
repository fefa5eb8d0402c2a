#pragma once

#include "qprocessrunner.h"

// A QProcessRunner whose program may report a Windows exit code through a
// file of its own (see SimulatedProcessLauncher).
class SimulatedProcessRunner final : public ProcessRunner
{
public:
    explicit SimulatedProcessRunner(QProcessRunner::ProgramResolver resolveProgram);
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

private:
    void takeReportedExitCode() const;

    QProcessRunner m_runner;
    // The file a run may report its code in; it exists only while a run that
    // wrote it has not been asked, and goes with the runner.
    QString m_exitCodeFile;
    mutable bool m_reportTaken = false;
    mutable int m_reportedExitCode = 0;
    mutable bool m_hasReportedExitCode = false;
};
