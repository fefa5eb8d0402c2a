#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The folder layout of a simulated Windows machine, one for the tests, the demo
// and the benches (the `simmachine` tool lays it out from the shell):
//
//   registry.reg  the registry, as `reg export` writes it (CHIPSET_INSTALLER_REGISTRY)
//   C/            drive C: (CHIPSET_INSTALLER_DRIVE): Windows\System32 and the
//                 user's profile folder Users\demo (USERPROFILE), its AppData\Local\Temp (TEMP)
//   media/        drive D:, the package was started from: Setup\Bin holds the
//                 front-end, Setup\Packages the setup program it starts
//   runtime/      a private XDG_RUNTIME_DIR, so the single-instance lock is the machine's own
//   tmp/          a private TMPDIR for the process runners' exit-code folders
//   record.txt    every start of a stand-in, in the format standin.sh writes
class SimulatedMachine final
{
public:
    // The folder the machine lies in; nothing is made before layOut().
    explicit SimulatedMachine(const QString &root);

    // Makes the folders and an empty record file.
    bool layOut(QString *error) const;

    QString root() const { return m_root; }
    QString registryPath() const;
    QString drivePath() const;
    QString applicationPath() const; // D:\Setup\Bin
    QString recordPath() const;

    // The file a path names: "C:\..." on the drive, "D:\..." on the media, a
    // relative Windows path from the application folder; a Linux path stays.
    QString filePath(const QString &windowsPath) const;
    // The other way round: the Windows path of a file on the drive or the media,
    // as Windows would name a program there; any other path stays.
    QString windowsPath(const QString &filePath) const;
    // Puts an executable program at a Windows path, making its folders.
    bool install(const QString &windowsPath, const QByteArray &program, QString *error) const;
    // NAME=VALUE for each variable the front-end runs with on this machine.
    QStringList environment() const;
    // Each start in the record file: the program as the stand-in names itself,
    // then its arguments.
    QList<QStringList> recordedRuns() const;

private:
    QString m_root;
};
