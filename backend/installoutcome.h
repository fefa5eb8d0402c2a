#pragma once

#include <QString>
#include <QStringList>

// What the page shows once a started installer has ended, read from its exit code (a finished
// process alone is no proof that anything was installed), and what the front-end then exits
// with, as Windows Installer's own codes tell a deployment tool what happened.
class InstallOutcome final
{
public:
    QString statusText;
    // The installer did its work (with or without a restart to follow).
    bool succeeded = false;
    bool restartOffered = false;
    // The run changed nothing (cancelled, or another installation was busy):
    // the user may change the choice and start again.
    bool retryOffered = false;
    // The front-end's exit code when the user leaves after this run by Close or Finish, and by
    // Restart Now when a restart is offered.
    int closeExitCode = 0;
    int restartNowExitCode = 0;

    // `restartFlagged` is the package's own restart flag, which the package
    // writes when it installs: it counts for a plain successful install only,
    // never for a removal. `removal` also selects the uninstall wording.
    static InstallOutcome classify(int exitCode, bool crashed, bool restartFlagged, bool removal);

    // The ways to leave without an ended run to report, each with its own exit code.
    enum class WayOut {
        LeftBeforeStarting, // nothing started yet, though something was offered
        NothingOffered,     // install mode with no tile: the system-update notice
        NothingToRemove,    // removal mode with nothing to remove
        StartFailed,        // the last start failed, and none was tried after it
        SecondCopy,         // another copy runs: only the message box
        EndedOtherwise,     // the window could not be shown, or the front-end ended while the installer ran
    };
    static int exitCode(WayOut way);
    // The same by the way's name for scripts ("second-copy", ...); -1 for a name that is none.
    static int exitCode(const QString &wayName);

    // The whole table as the package contract gives it: a Markdown table, one line a row.
    static QStringList contractTable();
};
