#include "platform/simulated/simulatedprocesslauncher.h"

#include "platform/simulated/simulatedprocessrunner.h"

const char *const SimulatedProcessLauncher::exitCodeFileVariable = "CHIPSET_INSTALLER_EXIT_CODE_FILE";

SimulatedProcessLauncher::SimulatedProcessLauncher(const SimulatedDrive &drive)
    : m_drive(drive)
{
}

std::unique_ptr<ProcessRunner> SimulatedProcessLauncher::createRunner()
{
    const SimulatedDrive drive = m_drive;
    return std::make_unique<SimulatedProcessRunner>([drive](const QString &program) { return drive.resolve(program); });
}
