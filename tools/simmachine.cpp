// simmachine: lays out a simulated Windows machine and puts programs on it, for
// the demo and the benches, with the same layout the tests' machine has.
#include "platform/simulated/simulateddrive.h"
#include "platform/simulated/simulatedmachine.h"

#include <QFile>
#include <QHash>

#include <cstdio>

namespace {

const char Usage[] =
    "usage: simmachine layout DIR                     lay a machine out in DIR (its folders, an empty record)\n"
    "       simmachine install DIR WINDOWS-PATH FILE  put a copy of the program FILE at WINDOWS-PATH\n"
    "       simmachine path DIR WINDOWS-PATH          print the file WINDOWS-PATH names on the machine\n"
    "       simmachine name DIR FILE                  print the Windows path of FILE, a file on the machine\n"
    "       simmachine env DIR                        print the front-end's environment there, NAME=VALUE a line\n"
    "       simmachine resolve PROGRAM                print the file the front-end starts for PROGRAM (a Windows\n"
    "                                                 path or a bare tool name) with this environment's\n"
    "                                                 CHIPSET_INSTALLER_DRIVE standing for C:\n"
    "WINDOWS-PATH is C:\\... on the drive, D:\\... on the media the package was started from, or\n"
    "relative to the front-end's folder D:\\Setup\\Bin. Exit status: 0 done, 2 bad arguments or file.\n";

void print(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int fail(const QString &message)
{
    std::fprintf(stderr, "simmachine: %s\n", message.toUtf8().constData());
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    // Each command with the number of words it takes, itself included.
    static const QHash<QString, int> commands{
        {QStringLiteral("layout"), 2}, {QStringLiteral("env"), 2}, {QStringLiteral("path"), 3}, {QStringLiteral("name"), 3},
        {QStringLiteral("install"), 4}, {QStringLiteral("resolve"), 2}};
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromUtf8(argv[i]);
    const QString command = arguments.value(0);
    if (arguments.size() != commands.value(command, -1) || arguments.at(1).isEmpty()) {
        std::fputs(Usage, stderr);
        return 2;
    }
    // On whatever machine the environment describes, as the front-end's process launcher has it.
    if (command == QLatin1String("resolve")) {
        print(SimulatedDrive(qEnvironmentVariable("CHIPSET_INSTALLER_DRIVE")).resolve(arguments.at(1)));
        return 0;
    }
    const SimulatedMachine machine(arguments.at(1));
    QString error;
    if (command == QLatin1String("layout")) {
        if (!machine.layOut(&error))
            return fail(error);
    } else if (command == QLatin1String("env")) {
        for (const QString &line : machine.environment())
            print(line);
    } else if (command == QLatin1String("path")) {
        print(machine.filePath(arguments.at(2)));
    } else if (command == QLatin1String("name")) {
        print(machine.windowsPath(arguments.at(2)));
    } else {
        QFile program(arguments.at(3));
        if (!program.open(QIODevice::ReadOnly))
            return fail(arguments.at(3) + QStringLiteral(": ") + program.errorString());
        if (!machine.install(arguments.at(2), program.readAll(), &error))
            return fail(error);
    }
    return 0;
}
