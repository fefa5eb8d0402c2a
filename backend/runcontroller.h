#pragma once

#include "backend/installoutcome.h"

#include <QString>
#include <QStringList>

#include <memory>

class ProcessLauncher;
class ProcessRunner;

// The one installer run of the front-end: it starts the install or removal program, answers
// whether it still runs and, once it has ended, how. Both published objects hand their runs to
// it, so whichever of them the page polls watches the program the page started.
class RunController final
{
public:
    enum class Kind { Install, Removal };

    explicit RunController(ProcessLauncher &launcher);
    ~RunController();
    Q_DISABLE_COPY_MOVE(RunController)

    // Starts the program and waits for the start: 1 once it runs, else 0. While a started program
    // still runs nothing else starts.
    int start(Kind kind, const QString &program, const QStringList &arguments);
    // A removal of the product `productCode` names, by `program` with `arguments`: refused unless
    // the code is a well-formed product code, which the arguments hand to the removal program.
    int startRemoval(const QString &productCode, const QString &program, const QStringList &arguments);
    // The same for a whole command text, split as the process layer splits one.
    int startCommand(Kind kind, const QString &command);
    // A run the front-end would not start (its command was unsafe): a start that failed.
    void refuse(Kind kind, const QString &why);

    int isRunning() const;
    void kill();
    int installerExitCode() const;
    // How the run that has ended went; `restartFlagged` is the package's restart flag.
    InstallOutcome outcome(bool restartFlagged) const;
    // What the front-end exits with when it leaves now, by Restart Now or not; `nothingStarted`
    // says why when no run was started or tried.
    int leavingExitCode(bool restartNow, bool restartFlagged, InstallOutcome::WayOut nothingStarted) const;

private:
    enum class Stage { NothingStarted, StartFailed, Started };

    std::unique_ptr<ProcessRunner> m_runner;
    Stage m_stage = Stage::NothingStarted;
    Kind m_kind = Kind::Install;
    // The end of each run is noted in the log once, however often the page asks.
    mutable bool m_endNoted = false;
};
