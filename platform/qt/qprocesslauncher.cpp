#include "platform/qt/qprocesslauncher.h"

QProcessLauncher::QProcessLauncher(QProcessRunner::ProgramResolver resolveProgram)
    : m_resolveProgram(std::move(resolveProgram))
{
}

std::unique_ptr<ProcessRunner> QProcessLauncher::createRunner()
{
    return std::make_unique<QProcessRunner>(m_resolveProgram);
}
