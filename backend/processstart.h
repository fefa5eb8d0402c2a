#pragma once

#include <QString>
#include <QStringList>

class ProcessRunner;

// Starting an installer the one way both backend objects do it.
class ProcessStart final
{
public:
    // Every wait for a process is bounded by this.
    static constexpr int timeoutMs = 30000;

    // Starts `program` with `arguments` on `runner` and waits for the start.
    // Answers 1 once it runs, else 0. A runner whose previous process still
    // runs starts nothing and answers 0: that old process is not this start.
    static int startAndWait(ProcessRunner &runner, const QString &program, const QStringList &arguments);

    // Splits a whole command text as the process layer does (blanks outside
    // double quotes separate, quotes group and are dropped) and starts it.
    static int startCommand(ProcessRunner &runner, const QString &command);

    // 1 while the runner's process is running; 0 while starting or after.
    static int isRunning(const ProcessRunner &runner);
};
