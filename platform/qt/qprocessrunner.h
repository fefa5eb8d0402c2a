#pragma once

#include "platform/processrunner.h"

#include <QProcess>

#include <functional>

// A ProcessRunner over QProcess. Program paths go through `resolveProgram`
// first, so a Windows path can start its stand-in on a simulated system.
class QProcessRunner final : public ProcessRunner
{
public:
    using ProgramResolver = std::function<QString(const QString &)>;

    explicit QProcessRunner(ProgramResolver resolveProgram);
    Q_DISABLE_COPY_MOVE(QProcessRunner)

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

    // The environment of the programs started from now on.
    void setEnvironment(const QProcessEnvironment &environment);

private:
    ProgramResolver m_resolveProgram;
    QProcess m_process;
};
