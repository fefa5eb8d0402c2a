#include "tests/testplatform.h"

#include "platform/simulated/regfilewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

TestMachine::TestMachine()
{
    drivePath = root.filePath(QStringLiteral("C"));
    appPath = root.filePath(QStringLiteral("media/Setup/Bin"));
    registryPath = root.filePath(QStringLiteral("registry.reg"));
    recordPath = root.filePath(QStringLiteral("record.txt"));
    QDir().mkpath(drivePath);
    QDir().mkpath(appPath);
    QDir().mkpath(root.filePath(QStringLiteral("media/Setup/Packages")));
    arguments.dirPath = appPath;
    arguments.list = QStringList{appPath + QStringLiteral("/ChipsetDriverInstaller")};
    registry = std::make_unique<RegFileRegistry>(registryPath);
    const SimulatedDrive drive(drivePath);
    launcher = std::make_unique<SimulatedProcessLauncher>(drive);
}

Platform TestMachine::platform()
{
    Platform platform;
    platform.registry = registry.get();
    platform.launcher = launcher.get();
    platform.shutdown = &shutdown;
    platform.environment = &environment;
    platform.systemInfo = &systemInfo;
    platform.urlOpener = &urlOpener;
    platform.arguments = &arguments;
    return platform;
}

void TestMachine::setArguments(const QStringList &list)
{
    arguments.list = QStringList{appPath + QStringLiteral("/ChipsetDriverInstaller")} + list;
}

void TestMachine::writeRegistry(const QString &body)
{
    const QString text = RegFileWriter::header() + QStringLiteral("\r\n\r\n") + body;
    QString error;
    if (!RegFileWriter::replaceFile(registryPath, RegFileWriter::encode(text, RegFileWriter::Encoding::Utf8), &error))
        qFatal("cannot write the registry file: %s", qPrintable(error));
}

QString TestMachine::setupProgramPath() const
{
    return appPath + QStringLiteral("/../Packages/ZYM_Chipset_Drivers.exe");
}

namespace {
// One shell word, whatever the text holds.
QString shellQuoted(QString text)
{
    text.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}
} // namespace

void TestMachine::addRecorder(const QString &windowsPath, double sleepSeconds, int exitCode)
{
    writeStandIn(windowsPath, sleepSeconds, exitCode, QString());
}

void TestMachine::addPrinter(const QString &windowsPath, const QByteArray &output, double sleepSeconds)
{
    writeStandIn(windowsPath, sleepSeconds, 0, QStringLiteral("printf '%s' ") + shellQuoted(QString::fromUtf8(output)) + '\n');
}

void TestMachine::addRegistryWriter(const QString &windowsPath, const QString &keyPath, const QString &name,
                                    const QString &text, double sleepSeconds, int exitCode)
{
    const QStringList words{QStringLiteral(REGFILE_TOOL), QStringLiteral("set"), registryPath, keyPath, name, text};
    QString command;
    for (const QString &word : words)
        command += shellQuoted(word) + QLatin1Char(' ');
    writeStandIn(windowsPath, sleepSeconds, exitCode, command + QLatin1Char('\n'));
}

void TestMachine::writeStandIn(const QString &windowsPath, double sleepSeconds, int exitCode, const QString &beforeExit)
{
    QString path = windowsPath;
    if (path.size() > 2 && path.at(1) == QLatin1Char(':'))
        path = drivePath + QLatin1Char('/') + path.mid(3);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QFileInfo(path).isRelative())
        path = appPath + QLatin1Char('/') + path;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile script(path);
    script.open(QIODevice::WriteOnly | QIODevice::Truncate);
    // The record and the exit code go the way the demo's stand-ins hand them back.
    script.write(QStringLiteral("#!/bin/bash\n"
                                "standin_name=$(basename \"$0\")\n"
                                "standin_record=%1\n"
                                ". %2\n"
                                "standin_started \"$@\"\n"
                                "sleep %3\n")
                     .arg(shellQuoted(recordPath), shellQuoted(QStringLiteral(STANDIN_LIBRARY)))
                     .arg(sleepSeconds)
                     .toUtf8());
    script.write(beforeExit.toUtf8());
    script.write(QStringLiteral("standin_exit %1\n").arg(exitCode).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

QList<QStringList> TestMachine::recordedRuns() const
{
    QFile file(recordPath);
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
