#pragma once

#include <QString>
#include <QStringList>

class ProcessRunner;

// Starting a program the one way the front-end does it, each start noted in the log.
class ProcessStart final
{
public:
    // Every wait for a process is bounded by this.
    static constexpr int timeoutMs = 30000;

    // Starts `program` with `arguments` on `runner` and waits for the start.
    // Answers 1 once it runs, else 0. A runner whose previous process still
    // runs starts nothing and answers 0: that old process is not this start.
    static int startAndWait(ProcessRunner &runner, const QString &program, const QStringList &arguments);

    // Notes in the log a start just made on `runner`: the command line as Windows parses it back
    // into these arguments, and the folder the program starts in.
    static void note(const ProcessRunner &runner, const QStringList &arguments, const char *what);
    static QString commandLine(const QString &program, const QStringList &arguments);

    // 1 while the runner's process is running; 0 while starting or after.
    static int isRunning(const ProcessRunner &runner);
};
