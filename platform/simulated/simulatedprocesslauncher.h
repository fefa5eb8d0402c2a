#pragma once

#include "platform/processlauncher.h"
#include "platform/simulated/simulateddrive.h"

#include <QTemporaryDir>

// Starts programs on the simulated system: Windows paths go to their
// stand-ins on the simulated drive, and since a POSIX exit status keeps only
// eight bits, a stand-in may report a full Windows exit code (3010, 1641, ...)
// by writing it as decimal text to the file named by
// CHIPSET_INSTALLER_EXIT_CODE_FILE before it exits. Each run's file lies in a
// folder of its own inside one that only this user can enter, and whatever
// is left there goes with the launcher.
class SimulatedProcessLauncher final : public ProcessLauncher
{
public:
    static const char *const exitCodeFileVariable;

    explicit SimulatedProcessLauncher(const SimulatedDrive &drive);

    std::unique_ptr<ProcessRunner> createRunner() override;

private:
    SimulatedDrive m_drive;
    QTemporaryDir m_reportRoot;
};
