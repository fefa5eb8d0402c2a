#pragma once

#include "platform/processlauncher.h"

#include <QList>
#include <QStringList>

#include <memory>

// A launcher whose runners start nothing: each start is noted (program, then
// its arguments) and then reads as started and already ended, so a fuzzer can
// see what would have run without ever running it.
class RecordingLauncher final : public ProcessLauncher
{
public:
    std::unique_ptr<ProcessRunner> createRunner() override;

    // Every start on every runner made here, in order.
    QList<QStringList> starts;

private:
    class Runner;
};
