#pragma once

#include "platform/processlauncher.h"
#include "platform/qt/qprocessrunner.h"

// Makes QProcess-backed runners that share one program resolver.
class QProcessLauncher final : public ProcessLauncher
{
public:
    explicit QProcessLauncher(QProcessRunner::ProgramResolver resolveProgram = {});
    Q_DISABLE_COPY_MOVE(QProcessLauncher)

    std::unique_ptr<ProcessRunner> createRunner() override;

private:
    QProcessRunner::ProgramResolver m_resolveProgram;
};
