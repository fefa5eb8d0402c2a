#include "platform/simulated/simulatedprocesslauncher.h"

#include "platform/simulated/simulatedprocessrunner.h"

#include <QDir>

const char *const SimulatedProcessLauncher::exitCodeFileVariable = "CHIPSET_INSTALLER_EXIT_CODE_FILE";

SimulatedProcessLauncher::SimulatedProcessLauncher(const SimulatedDrive &drive)
    : m_drive(drive)
    , m_reportRoot(QDir::temp().filePath(QStringLiteral("chipset-installer-XXXXXX")))
{
}

std::unique_ptr<ProcessRunner> SimulatedProcessLauncher::createRunner()
{
    const SimulatedDrive drive = m_drive;
    return std::make_unique<SimulatedProcessRunner>([drive](const QString &program) { return drive.resolve(program); },
                                                    m_reportRoot.isValid() ? m_reportRoot.path() : QString());
}
