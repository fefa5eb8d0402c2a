#include "backend/installoutcome.h"

#include <QCoreApplication>

#include <initializer_list>

namespace {

enum class Restart { AsFlagged, Always, Never };

// Stands for the installer's own exit code in the front-end's.
constexpr int kOwnCode = -1;
// A crashed installer has no code of its own worth passing on: Windows Installer's fatal error.
constexpr int kCrashCode = 1603;

struct Row
{
    std::initializer_list<int> exitCodes; // empty: every other code, and a crash
    const char *installText;              // "%1" stands for the exit code
    const char *removalText;
    Restart restart;
    bool retry;
    bool success;         // the installer did its work
    int closeCode;        // leaving by Close or Finish with no restart offered
    int restartCloseCode; // leaving by Close or Finish with a restart offered
    int restartNowCode;   // leaving by Restart Now
};

// Windows Installer's exit codes, as the setup program passes them on.
const Row kRows[] = {
    {{0}, QT_TRANSLATE_NOOP("InstallOutcome", "Successfully Installed"),
     QT_TRANSLATE_NOOP("InstallOutcome", "Successfully Uninstalled"), Restart::AsFlagged, false, true, 0, 3010, 1641},
    {{3010, 3011}, QT_TRANSLATE_NOOP("InstallOutcome", "Successfully Installed"),
     QT_TRANSLATE_NOOP("InstallOutcome", "Successfully Uninstalled"), Restart::Always, false, true, 3010, 3010, 1641},
    {{1641}, QT_TRANSLATE_NOOP("InstallOutcome", "Successfully Installed. Windows is restarting."),
     QT_TRANSLATE_NOOP("InstallOutcome", "Successfully Uninstalled. Windows is restarting."), Restart::Never, false,
     true, 1641, 1641, 1641},
    {{1602, 1223}, QT_TRANSLATE_NOOP("InstallOutcome", "Installation cancelled"),
     QT_TRANSLATE_NOOP("InstallOutcome", "Uninstallation cancelled"), Restart::Never, true, false, kOwnCode, kOwnCode, kOwnCode},
    {{1618}, QT_TRANSLATE_NOOP("InstallOutcome", "Another installation is in progress. Try again when it has finished."),
     QT_TRANSLATE_NOOP("InstallOutcome", "Another installation is in progress. Try again when it has finished."),
     Restart::Never, true, false, kOwnCode, kOwnCode, kOwnCode},
    // Failed, and a restart rolls it back: Restart Now is Windows Installer's "failed, restart begun".
    {{3017, 3018}, QT_TRANSLATE_NOOP("InstallOutcome", "Installation failed (error %1). A restart is required."),
     QT_TRANSLATE_NOOP("InstallOutcome", "Uninstallation failed (error %1). A restart is required."), Restart::Always,
     false, false, kOwnCode, kOwnCode, 3018},
    {{}, QT_TRANSLATE_NOOP("InstallOutcome", "Installation failed (error %1)"),
     QT_TRANSLATE_NOOP("InstallOutcome", "Uninstallation failed (error %1)"), Restart::Never, false, false, kOwnCode,
     kOwnCode, kOwnCode},
};

struct WayOutRow
{
    InstallOutcome::WayOut way;
    const char *name;
    int exitCode;
    const char *when;
};

// The other ways out, each with the Windows Installer code that a deployment tool reads right.
const WayOutRow kWaysOut[] = {
    {InstallOutcome::WayOut::LeftBeforeStarting, "left-before-starting", 1602,
     "left before starting an installation or removal (in install mode the extract-only run follows)"},
    {InstallOutcome::WayOut::NothingOffered, "nothing-offered", 1633, "nothing to install offered: the system-update notice"},
    {InstallOutcome::WayOut::NothingToRemove, "nothing-to-remove", 1605, "removal mode with nothing to remove"},
    {InstallOutcome::WayOut::StartFailed, "start-failed", 1619, "the installer could not be started, and the user left without a start that worked"},
    {InstallOutcome::WayOut::SecondCopy, "second-copy", 1618, "a second copy, which shows its message box and leaves"},
    {InstallOutcome::WayOut::EndedOtherwise, "ended-otherwise", 1603, "ended while an installer ran, or the window could not be shown"},
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

QString codeText(int code, const QStringList &ownCodes)
{
    if (code != kOwnCode)
        return QString::number(code);
    return QStringLiteral("the installer's own code")
        + (ownCodes.isEmpty() ? QString() : QStringLiteral(" (") + ownCodes.join(QStringLiteral(", ")) + QLatin1Char(')'));
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
    const int own = crashed ? kCrashCode : exitCode;
    const auto code = [own](int fromRow) { return fromRow == kOwnCode ? own : fromRow; };
    outcome.closeExitCode = code(outcome.restartOffered ? row.restartCloseCode : row.closeCode);
    outcome.restartNowExitCode = outcome.restartOffered ? code(row.restartNowCode) : outcome.closeExitCode;
    return outcome;
}

int InstallOutcome::exitCode(WayOut way)
{
    for (const WayOutRow &row : kWaysOut) {
        if (row.way == way)
            return row.exitCode;
    }
    return kCrashCode;
}

int InstallOutcome::exitCode(const QString &wayName)
{
    for (const WayOutRow &row : kWaysOut) {
        if (wayName == QLatin1String(row.name))
            return row.exitCode;
    }
    return -1;
}

QStringList InstallOutcome::contractTable()
{
    QStringList lines{QStringLiteral("| The run ended | The page shows | The front-end exits with |"),
                      QStringLiteral("|---|---|---|")};
    for (const Row &row : kRows) {
        QStringList codes;
        for (int code : row.exitCodes)
            codes << QString::number(code);
        const QString run = codes.isEmpty() ? QStringLiteral("installer: any other code, or it crashed")
                                            : QStringLiteral("installer: ") + codes.join(QStringLiteral(", "));
        QString shown = QLatin1Char('"') + QString::fromLatin1(row.installText).replace(QLatin1String("%1"), QLatin1String("N")) + QLatin1Char('"');
        if (row.retry)
            shown += QStringLiteral(", the tiles again to try once more");
        if (row.restart == Restart::Always)
            shown += QStringLiteral(", Restart Now offered");
        if (row.restart == Restart::AsFlagged)
            shown += QStringLiteral(", Restart Now offered when the package set REBOOTSTATUS (installs only)");
        const QStringList own = codes.size() > 1 ? codes : QStringList();
        QString exits = codeText(row.closeCode, own);
        if (row.restart == Restart::AsFlagged)
            exits += QStringLiteral("; with Restart Now offered: %1 on Close or Finish, %2 on Restart Now")
                         .arg(codeText(row.restartCloseCode, own), codeText(row.restartNowCode, own));
        else if (row.restart == Restart::Always)
            exits = QStringLiteral("%1 on Close or Finish, %2 on Restart Now").arg(codeText(row.restartCloseCode, own), codeText(row.restartNowCode, own));
        if (codes.isEmpty())
            exits += QStringLiteral("; %1 after a crash").arg(kCrashCode);
        lines << QStringLiteral("| %1 | %2 | %3 |").arg(run, shown, exits);
    }
    for (const WayOutRow &row : kWaysOut)
        lines << QStringLiteral("| %1 (`%2`) | | %3 |").arg(QString::fromLatin1(row.when), QString::fromLatin1(row.name)).arg(row.exitCode);
    return lines;
}
