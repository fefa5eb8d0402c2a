#pragma once

#include <QString>

// What the page shows once a started installer has ended, read from its exit
// code: a finished process alone is no proof that anything was installed.
class InstallOutcome final
{
public:
    QString statusText;
    bool restartOffered = false;
    // The run changed nothing (cancelled, or another installation was busy):
    // the user may change the choice and start again.
    bool retryOffered = false;
    // The installer did its work (perhaps with a restart to come).
    bool succeeded = false;

    // `restartFlagged` is the package's own restart flag, which the package
    // writes when it installs: it counts for a plain successful install only,
    // never for a removal. `removal` also selects the uninstall wording.
    static InstallOutcome classify(int exitCode, bool crashed, bool restartFlagged, bool removal);
};
