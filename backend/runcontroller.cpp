#include "backend/runcontroller.h"

#include "backend/installcommand.h"
#include "backend/logging.h"
#include "backend/processstart.h"
#include "platform/processlauncher.h"

#include <QProcess>

RunController::RunController(ProcessLauncher &launcher)
    : m_runner(launcher.createRunner())
{
}

RunController::~RunController() = default;

int RunController::start(Kind kind, const QString &program, const QStringList &arguments)
{
    if (isRunning())
        return 0;
    m_kind = kind;
    m_endNoted = false;
    const int started = ProcessStart::startAndWait(*m_runner, program, arguments);
    m_stage = started ? Stage::Started : Stage::StartFailed;
    return started;
}

int RunController::startRemoval(const QString &productCode, const QString &program, const QStringList &arguments)
{
    if (!InstallCommand::isProductCode(productCode)) {
        refuse(Kind::Removal, QStringLiteral("a removal of malformed product code ") + productCode);
        return 0;
    }
    return start(Kind::Removal, program, arguments);
}

int RunController::startCommand(Kind kind, const QString &command)
{
    QStringList parts = QProcess::splitCommand(command);
    if (parts.isEmpty()) {
        refuse(kind, QStringLiteral("no program to start"));
        return 0;
    }
    const QString program = parts.takeFirst();
    return start(kind, program, parts);
}

void RunController::refuse(Kind kind, const QString &why)
{
    if (isRunning())
        return;
    m_kind = kind;
    m_stage = Stage::StartFailed;
    qCInfo(lcProcess).noquote() << "not started:" << why;
}

int RunController::isRunning() const
{
    return ProcessStart::isRunning(*m_runner);
}

void RunController::kill()
{
    m_runner->kill();
}

int RunController::installerExitCode() const
{
    return m_runner->exitCode();
}

InstallOutcome RunController::outcome(bool restartFlagged) const
{
    const bool crashed = m_runner->exitStatus() == QProcess::CrashExit;
    const bool removal = m_kind == Kind::Removal;
    // The restart flag is the install's: a removal's exit code alone says whether it needs one.
    const InstallOutcome outcome = InstallOutcome::classify(installerExitCode(), crashed, restartFlagged && !removal, removal);
    if (m_stage == Stage::Started && !isRunning() && !m_endNoted) {
        m_endNoted = true;
        qCInfo(lcProcess).noquote() << (crashed ? "the installer crashed, exit code" : "the installer ended with exit code")
                                    << installerExitCode() << "- shown:" << outcome.statusText
                                    << (outcome.restartOffered ? "(restart offered)" : outcome.retryOffered ? "(may be tried again)" : "");
    }
    return outcome;
}

int RunController::leavingExitCode(bool restartNow, bool restartFlagged, InstallOutcome::WayOut nothingStarted) const
{
    switch (m_stage) {
    case Stage::NothingStarted:
        return InstallOutcome::exitCode(nothingStarted);
    case Stage::StartFailed:
        return InstallOutcome::exitCode(InstallOutcome::WayOut::StartFailed);
    case Stage::Started:
        break;
    }
    if (isRunning())
        return InstallOutcome::exitCode(InstallOutcome::WayOut::EndedOtherwise);
    const InstallOutcome end = outcome(restartFlagged);
    return restartNow && end.restartOffered ? end.restartNowExitCode : end.closeExitCode;
}
