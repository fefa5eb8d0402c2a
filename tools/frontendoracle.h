#pragma once

#include <QStringList>

// The front-end's answers for scripts and package engineers, from the front-end's own code: what
// it reads in a registry file, how it takes a command line, how it ends a run, where its
// programs are, what a product code is, and the exit codes it leaves with.
class FrontEndOracle final
{
public:
    static const char usage[];

    // Runs `command` with its arguments; -1 when the command is not one of these.
    static int run(const QString &command, const QStringList &arguments);
};
