#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

// Included once by each fuzz target: keeps the code's debug lines out of the
// fuzzer's output (fatal messages still show), and reports a broken invariant.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    return 0;
}

// Stops the run, so that the fuzzer keeps the input.
[[noreturn]] inline void fail(const QString &what)
{
    std::fprintf(stderr, "broken invariant: %s\n", qPrintable(what));
    std::abort();
}
