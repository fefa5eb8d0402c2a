#include "platform/simulated/simulatedmachine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <utility>

SimulatedMachine::SimulatedMachine(const QString &root)
    : m_root(QDir::cleanPath(QDir(root).absolutePath()))
{
}

QString SimulatedMachine::registryPath() const
{
    return m_root + QStringLiteral("/registry.reg");
}

QString SimulatedMachine::drivePath() const
{
    return m_root + QStringLiteral("/C");
}

QString SimulatedMachine::applicationPath() const
{
    return m_root + QStringLiteral("/media/Setup/Bin");
}

QString SimulatedMachine::recordPath() const
{
    return m_root + QStringLiteral("/record.txt");
}

static QString profilePath(const QString &drivePath)
{
    return drivePath + QStringLiteral("/Users/demo");
}

// The profile's temporary folder, where Windows points TEMP.
static QString tempPath(const QString &drivePath)
{
    return profilePath(drivePath) + QStringLiteral("/AppData/Local/Temp");
}

bool SimulatedMachine::layOut(QString *error) const
{
    const QStringList folders{drivePath() + QStringLiteral("/Windows/System32"), tempPath(drivePath()),
                              applicationPath(), m_root + QStringLiteral("/media/Setup/Packages"),
                              m_root + QStringLiteral("/runtime"), m_root + QStringLiteral("/tmp")};
    for (const QString &folder : folders) {
        if (!QDir().mkpath(folder)) {
            *error = QStringLiteral("cannot make the folder ") + folder;
            return false;
        }
    }
    // The lock file's folder must be the user's alone, as a real runtime folder is.
    QFile::setPermissions(m_root + QStringLiteral("/runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                   | QFileDevice::ExeOwner);
    QFile record(recordPath());
    if (!record.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = recordPath() + QStringLiteral(": ") + record.errorString();
        return false;
    }
    return true;
}

QString SimulatedMachine::filePath(const QString &windowsPath) const
{
    QString path = windowsPath;
    if (path.startsWith(QLatin1Char('/')))
        return path;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Drive D: is the media the package was started from; any other letter is C:, as the launcher has it.
    if (path.size() >= 3 && path.at(1) == QLatin1Char(':') && path.at(2) == QLatin1Char('/'))
        path = (path.at(0).toUpper() == QLatin1Char('D') ? m_root + QStringLiteral("/media") : drivePath()) + path.mid(2);
    else
        path = applicationPath() + QLatin1Char('/') + path;
    return QDir::cleanPath(path);
}

QString SimulatedMachine::windowsPath(const QString &filePath) const
{
    for (const auto &[folder, drive] : {std::pair{drivePath(), QStringLiteral("C:")},
                                        std::pair{m_root + QStringLiteral("/media"), QStringLiteral("D:")}}) {
        if (filePath.startsWith(folder + QLatin1Char('/')))
            return drive + filePath.mid(folder.size()).replace(QLatin1Char('/'), QLatin1Char('\\'));
    }
    return filePath;
}

bool SimulatedMachine::install(const QString &windowsPath, const QByteArray &program, QString *error) const
{
    const QString path = filePath(windowsPath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Replaced in one rename: a stand-in still running keeps its old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(program) != program.size() || !file.commit()
        || !QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser
                                            | QFileDevice::ExeGroup | QFileDevice::ExeOther)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    return true;
}

QStringList SimulatedMachine::environment() const
{
    return {QStringLiteral("CHIPSET_INSTALLER_REGISTRY=") + registryPath(),
            QStringLiteral("CHIPSET_INSTALLER_DRIVE=") + drivePath(),
            QStringLiteral("USERPROFILE=") + profilePath(drivePath()),
            QStringLiteral("TEMP=") + tempPath(drivePath()),
            QStringLiteral("XDG_RUNTIME_DIR=") + m_root + QStringLiteral("/runtime"),
            QStringLiteral("TMPDIR=") + m_root + QStringLiteral("/tmp")};
}

QList<QStringList> SimulatedMachine::recordedRuns() const
{
    QFile file(recordPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // "HH:MM:SS NAME [ARG] [ARG]...", a "]" in an argument doubled; a line that
    // does not start with the time goes on the one before (an argument held a
    // line break).
    static const QRegularExpression start(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d "));
    QStringList records;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        if (start.match(line).hasMatch() || records.isEmpty())
            records.append(line.mid(9));
        else
            records.last() += QLatin1Char('\n') + line;
    }
    QList<QStringList> runs;
    for (const QString &record : qAsConst(records)) {
        int pos = record.indexOf(QLatin1String(" ["));
        QStringList run{record.left(pos < 0 ? record.size() : pos)};
        while (pos >= 0 && pos + 1 < record.size() && record.at(pos + 1) == QLatin1Char('[')) {
            QString argument;
            int i = pos + 2;
            for (; i < record.size(); ++i) {
                if (record.at(i) == QLatin1Char(']') && record.mid(i + 1, 1) != QLatin1String("]"))
                    break;
                argument += record.at(i);
                if (record.at(i) == QLatin1Char(']'))
                    ++i;
            }
            run.append(argument);
            pos = i + 1;
        }
        runs.append(run);
    }
    return runs;
}
