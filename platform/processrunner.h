#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// One child process, with the few operations the front-end needs from it.
class ProcessRunner
{
public:
    // What becomes of a started program's standard output. Its input and its
    // errors always go to the null device: nothing feeds or reads them, and a
    // pipe left to a front-end that has quit kills the program that writes to it.
    enum class Output { Discarded, Read };

    virtual ~ProcessRunner() = default;

    virtual void start(const QString &program, const QStringList &arguments, Output output) = 0;
    virtual bool waitForStarted(int msecs) = 0;
    virtual bool waitForFinished(int msecs) = 0;
    virtual QProcess::ProcessState state() const = 0;
    // Forced termination; does not wait for the end.
    virtual void kill() = 0;
    virtual QByteArray readAllStandardOutput() = 0;
    virtual int exitCode() const = 0;
    virtual QProcess::ExitStatus exitStatus() const = 0;
    virtual QProcess::ProcessError error() const = 0;
    // The program as last started, after any lookup, and the folder it starts in.
    virtual QString program() const = 0;
    virtual QString workingDirectory() const = 0;
};
