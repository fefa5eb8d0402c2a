#pragma once

#include "qprocessrunner.h"

#include <QTemporaryDir>

// A QProcessRunner whose program may report a Windows exit code through a
// file of its own (see SimulatedProcessLauncher).
class SimulatedProcessRunner final : public ProcessRunner
{
public:
    explicit SimulatedProcessRunner(QProcessRunner::ProgramResolver resolveProgram);
    Q_DISABLE_COPY_MOVE(SimulatedProcessRunner)

    void start(const QString &program, const QStringList &arguments) override;
    bool waitForStarted(int msecs) override;
    bool waitForFinished(int msecs) override;
    QProcess::ProcessState state() const override;
    void kill() override;
    QByteArray readAllStandardOutput() override;
    int exitCode() const override;
    QProcess::ExitStatus exitStatus() const override;
    QProcess::ProcessError error() const override;

private:
    QString exitCodeFile() const;

    QProcessRunner m_runner;
    QTemporaryDir m_folder;
};
