#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// One child process, with the few operations the front-end needs from it.
class ProcessRunner
{
public:
    virtual ~ProcessRunner() = default;

    // Starts `program` with `arguments`, opened for reading and writing.
    virtual void start(const QString &program, const QStringList &arguments) = 0;
    virtual bool waitForStarted(int msecs) = 0;
    virtual bool waitForFinished(int msecs) = 0;
    virtual QProcess::ProcessState state() const = 0;
    // Forced termination; does not wait for the end.
    virtual void kill() = 0;
    virtual QByteArray readAllStandardOutput() = 0;
    virtual int exitCode() const = 0;
    virtual QProcess::ExitStatus exitStatus() const = 0;
    virtual QProcess::ProcessError error() const = 0;
};
