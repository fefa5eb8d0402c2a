#include "tests/testplatform.h"

#include "platform/simulated/regfilewriter.h"

#include <QFile>

namespace {
// One shell word, whatever the text holds.
QString shellQuoted(QString text)
{
    text.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}
} // namespace

TestMachine::TestMachine()
{
    QString error;
    if (!layout.layOut(&error))
        qFatal("cannot lay the machine out: %s", qPrintable(error));
    arguments.dirPath = appPath;
    setArguments({});
}

void TestMachine::writeRegistry(const QString &body)
{
    const QString text = RegFileWriter::header() + QStringLiteral("\r\n\r\n") + body;
    QString error;
    if (!RegFileWriter::replaceFile(registryPath, RegFileWriter::encode(text, RegFileWriter::Encoding::Utf8), &error))
        qFatal("cannot write the registry file: %s", qPrintable(error));
}

void TestMachine::addRegistryWriter(const QString &windowsPath, const QString &keyPath, const QString &name,
                                    const QString &text, double sleepSeconds, int exitCode)
{
    QString command;
    for (const QString &word : {QStringLiteral(REGFILE_TOOL), QStringLiteral("set"), registryPath, keyPath, name, text})
        command += shellQuoted(word) + QLatin1Char(' ');
    writeStandIn(windowsPath, sleepSeconds, exitCode, command + QLatin1Char('\n'));
}

void TestMachine::writeStandIn(const QString &windowsPath, double sleepSeconds, int exitCode, const QString &beforeExit)
{
    // The record and the exit code go the way the demo's stand-ins hand them back.
    const QString script = QStringLiteral("#!/bin/bash\nstandin_name=$(basename \"$0\")\nstandin_record=%1\n. %2\n"
                                          "standin_started \"$@\"\nsleep %3\n")
                               .arg(shellQuoted(recordPath), shellQuoted(QStringLiteral(STANDIN_LIBRARY)))
                               .arg(sleepSeconds)
        + beforeExit + QStringLiteral("standin_exit %1\n").arg(exitCode);
    QString error;
    if (!layout.install(windowsPath, script.toUtf8(), &error))
        qFatal("cannot install a stand-in: %s", qPrintable(error));
}

QByteArray loadedLibraries()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
}
