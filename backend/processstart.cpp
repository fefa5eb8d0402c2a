#include "backend/processstart.h"

#include "platform/processrunner.h"

#include <QProcess>

int ProcessStart::startAndWait(ProcessRunner &runner, const QString &program, const QStringList &arguments)
{
    if (runner.state() != QProcess::NotRunning)
        return 0;
    runner.start(program, arguments, ProcessRunner::Output::Discarded);
    return runner.waitForStarted(timeoutMs) ? 1 : 0;
}

int ProcessStart::startCommand(ProcessRunner &runner, const QString &command)
{
    QStringList parts = QProcess::splitCommand(command);
    if (parts.isEmpty())
        return 0;
    const QString program = parts.takeFirst();
    return startAndWait(runner, program, parts);
}

int ProcessStart::isRunning(const ProcessRunner &runner)
{
    return runner.state() == QProcess::Running ? 1 : 0;
}
