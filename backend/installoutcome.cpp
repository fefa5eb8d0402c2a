#include "backend/installoutcome.h"

#include <QCoreApplication>

#include <initializer_list>

namespace {

enum class Restart { AsFlagged, Always, Never };

struct Row
{
    std::initializer_list<int> exitCodes; // empty: every other code, and a crash
    const char *installText;              // "%1" stands for the exit code
    const char *removalText;
    Restart restart;
    bool retry;
    bool success;
};

// Windows Installer's exit codes, as the setup program passes them on.
const Row kRows[] = {
    {{0}, QT_TRANSLATE_NOOP("InstallOutcome", "Successfully Installed"),
     QT_TRANSLATE_NOOP("InstallOutcome", "Successfully Uninstalled"), Restart::AsFlagged, false, true},
    {{3010, 3011}, QT_TRANSLATE_NOOP("InstallOutcome", "Successfully Installed"),
     QT_TRANSLATE_NOOP("InstallOutcome", "Successfully Uninstalled"), Restart::Always, false, true},
    {{1641}, QT_TRANSLATE_NOOP("InstallOutcome", "Successfully Installed. Windows is restarting."),
     QT_TRANSLATE_NOOP("InstallOutcome", "Successfully Uninstalled. Windows is restarting."), Restart::Never, false, true},
    {{1602, 1223}, QT_TRANSLATE_NOOP("InstallOutcome", "Installation cancelled"),
     QT_TRANSLATE_NOOP("InstallOutcome", "Uninstallation cancelled"), Restart::Never, true, false},
    {{1618}, QT_TRANSLATE_NOOP("InstallOutcome", "Another installation is in progress. Try again when it has finished."),
     QT_TRANSLATE_NOOP("InstallOutcome", "Another installation is in progress. Try again when it has finished."),
     Restart::Never, true, false},
    {{3017, 3018}, QT_TRANSLATE_NOOP("InstallOutcome", "Installation failed (error %1). A restart is required."),
     QT_TRANSLATE_NOOP("InstallOutcome", "Uninstallation failed (error %1). A restart is required."), Restart::Always,
     false, false},
    {{}, QT_TRANSLATE_NOOP("InstallOutcome", "Installation failed (error %1)"),
     QT_TRANSLATE_NOOP("InstallOutcome", "Uninstallation failed (error %1)"), Restart::Never, false, false},
};

const Row &findRow(int exitCode, bool crashed)
{
    const Row &otherwise = kRows[sizeof(kRows) / sizeof(kRows[0]) - 1];
    if (crashed)
        return otherwise;
    for (const Row &row : kRows) {
        for (int code : row.exitCodes) {
            if (code == exitCode)
                return row;
        }
    }
    return otherwise;
}

} // namespace

InstallOutcome InstallOutcome::classify(int exitCode, bool crashed, bool restartFlagged, bool removal)
{
    const Row &row = findRow(exitCode, crashed);
    InstallOutcome outcome;
    QString text = QCoreApplication::translate("InstallOutcome", removal ? row.removalText : row.installText);
    if (text.contains(QLatin1String("%1")))
        text = text.arg(exitCode);
    outcome.statusText = text;
    outcome.restartOffered = row.restart == Restart::Always
        || (row.restart == Restart::AsFlagged && restartFlagged && !removal);
    outcome.retryOffered = row.retry;
    outcome.succeeded = row.success;
    return outcome;
}
