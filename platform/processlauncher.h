#pragma once

#include "platform/processrunner.h"

#include <memory>

// Makes process runners. Runners are never shared: each owner keeps its own,
// and a runner that is never destroyed leaves its child running at exit.
class ProcessLauncher
{
public:
    virtual ~ProcessLauncher() = default;
    virtual std::unique_ptr<ProcessRunner> createRunner() = 0;
};
