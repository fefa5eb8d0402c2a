#include "backend/processstart.h"

#include "backend/logging.h"
#include "platform/processrunner.h"

#include <QProcess>

namespace {

// One argument as a Windows program's start-up code splits it back out of its command line:
// quoted when it holds blanks or is empty, a quote escaped, backslashes before one doubled.
QString windowsQuoted(const QString &argument)
{
    if (!argument.isEmpty() && !argument.contains(QLatin1Char(' ')) && !argument.contains(QLatin1Char('\t'))
        && !argument.contains(QLatin1Char('"')))
        return argument;
    QString quoted = QStringLiteral("\"");
    int backslashes = 0;
    for (const QChar c : argument) {
        if (c == QLatin1Char('\\')) {
            ++backslashes;
            continue;
        }
        quoted += QString(c == QLatin1Char('"') ? 2 * backslashes + 1 : backslashes, QLatin1Char('\\')) + c;
        backslashes = 0;
    }
    return quoted + QString(2 * backslashes, QLatin1Char('\\')) + QLatin1Char('"');
}

} // namespace

int ProcessStart::startAndWait(ProcessRunner &runner, const QString &program, const QStringList &arguments)
{
    if (runner.state() != QProcess::NotRunning)
        return 0;
    runner.start(program, arguments, ProcessRunner::Output::Discarded);
    const bool started = runner.waitForStarted(timeoutMs);
    note(runner, arguments, started ? "started:" : "could not start:");
    return started ? 1 : 0;
}

void ProcessStart::note(const ProcessRunner &runner, const QStringList &arguments, const char *what)
{
    qCInfo(lcProcess).noquote() << what << commandLine(runner.program(), arguments) << "in" << runner.workingDirectory();
}

QString ProcessStart::commandLine(const QString &program, const QStringList &arguments)
{
    QStringList parts{windowsQuoted(program)};
    for (const QString &argument : arguments)
        parts << windowsQuoted(argument);
    return parts.join(QLatin1Char(' '));
}

int ProcessStart::isRunning(const ProcessRunner &runner)
{
    return runner.state() == QProcess::Running ? 1 : 0;
}
