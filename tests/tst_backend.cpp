#include "app/installerbackends.h"
#include "app/productionplatform.h"
#include "backend/customsettings.h"
#include "backend/driverinfo.h"
#include "backend/installcommand.h"
#include "backend/installoutcome.h"
#include "backend/processstart.h"
#include "backend/productpaths.h"
#include "backend/raidlaunchtable.h"
#include "platform/qt/qtsysteminfo.h"
#include "platform/simulated/regfileregistry.h"
#include "platform/simulated/regfilewriter.h"
#include "tests/testplatform.h"

#include <QtTest>

namespace {

using Choice = RaidLaunchTable::Choice;
const char *const kExtractAndQuit = "--extract-and-quit";
const QString kMsiExec = ProductPaths::msiExec;
const QString kIoDriverKey = QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers]\r\n");
// A folder with blanks: the setup program's path must stay one program.
const QString kSetup = QStringLiteral("C:\\Program Files\\Setup\\Bin\\..\\Packages\\ZYM_Chipset_Drivers.exe");


enum Encoding { Utf8Lf, Utf8BomCrLf, Utf16LeBomCrLf };

// The file text with its lines ended and encoded as the chosen writer would.
QByteArray encode(const QStringList &lines, Encoding encoding)
{
    const QString text = lines.join(encoding == Utf8Lf ? QStringLiteral("\n") : QStringLiteral("\r\n"));
    return RegFileWriter::encode(text, encoding == Utf8Lf ? RegFileWriter::Encoding::Utf8
                                     : encoding == Utf8BomCrLf ? RegFileWriter::Encoding::Utf8WithBom
                                                               : RegFileWriter::Encoding::Utf16Le);
}

QStringList reg(const QStringList &lines)
{
    return QStringList{RegFileWriter::header(), QString()} + lines;
}

} // namespace

Q_DECLARE_METATYPE(RaidLaunchTable::Choice)

// The backend objects: the command lines composed byte for byte whatever the command line and the registry held, what
// they start, and how an installer's end reads; and the registry file the simulated Windows reads, whatever it holds.
class TestBackend : public QObject
{
    Q_OBJECT

private:
    QString writeRegFile(const QByteArray &bytes)
    {
        QFile file(m_regFile);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(m_regFile));
        return m_regFile;
    }

    QTemporaryDir m_dir;
    const QString m_regFile = m_dir.filePath(QStringLiteral("registry.reg"));

private slots:
    void regFileReadText_data();
    void regFileReadText();
    void regFileSurvivesHugeLines();

    void installCommand_data()
    {
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<QVector<int>>("ticks");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("quoted"); // what "/v" carries

        const QStringList three{"/SETPCI", "/SETGPIO2", "/SETCIR"};
        const QString evil = QStringLiteral("/SETX\" /evil \"");
        QTest::newRow("package installed: ADDLOCAL names the ticked keys")
            << three << QVector<int>{1, 1, 0} << true << "QTLAUNCH=1 SETPCI=YES SETGPIO2=YES ADDLOCAL=PCI,GPIO2 /qr";
        QTest::newRow("package not installed, only the first tile ticked: its property alone")
            << three << QVector<int>{1, 0, 0} << false << "QTLAUNCH=1 SETPCI=YES /qr";
        QTest::newRow("no tile ticked: nothing starts, the unknown switch alone")
            << QStringList{"/SETPCI", "/SETFOO"} << QVector<int>{0, 1} << true << "";
        QTest::newRow("quotes cannot add arguments or properties")
            << QStringList{"/SETPCI", evil} << QVector<int>{1, 1} << true << "QTLAUNCH=1 SETPCI=YES ADDLOCAL=PCI /qr";
        QTest::newRow("blank in the feature key") << QStringList{"/SETA B", "/SETCIR"} << QVector<int>{1, 1} << true
                                                  << "QTLAUNCH=1 SETCIR=YES ADDLOCAL=CIR /qr";
        QTest::newRow("comma would smuggle a feature into ADDLOCAL")
            << QStringList{"/SETPCI,CIR", "/SETCIR"} << QVector<int>{1, 1} << true << "QTLAUNCH=1 SETCIR=YES ADDLOCAL=CIR /qr";
        QTest::newRow("equals sign would assign another value")
            << QStringList{"/SETPCI=NO", "/SETCIR"} << QVector<int>{1, 1} << false << "QTLAUNCH=1 SETCIR=YES /qr";
        QTest::newRow("short token has no feature key")
            << QStringList{"/U", "/SETPCI"} << QVector<int>{1, 1} << true << "QTLAUNCH=1 SETPCI=YES ADDLOCAL=PCI /qr";
        QTest::newRow("control and non-ASCII characters")
            << QStringList{"/SETA\tB", "/SET\u00c4PCI", "/SETPCI\n", "/SETCIR"} << QVector<int>{1, 1, 1, 1} << true
            << "QTLAUNCH=1 SETCIR=YES ADDLOCAL=CIR /qr";
        QTest::newRow("no /SET: would set another installer property")
            << QStringList{"/ADDLOCAL", "/REMOVE", "SETCIR", "/SETPCI"} << QVector<int>{1, 1, 1, 1} << true
            << "QTLAUNCH=1 SETPCI=YES ADDLOCAL=PCI /qr";
    }

    void installCommand()
    {
        QFETCH(QStringList, switches);
        QFETCH(QVector<int>, ticks);
        QFETCH(bool, installed);
        QFETCH(QString, quoted);
        const InstallCommand command = InstallCommand::install(kSetup, switches, ticks, [installed](int) { return installed; });
        QCOMPARE(command.program.isEmpty(), quoted.isEmpty());
        if (quoted.isEmpty())
            return;
        QCOMPARE(command.text, '"' + kSetup + "\" /S /v\"" + quoted + "\" /clone_wait");
        QCOMPARE(command.program, kSetup);
        QCOMPARE(command.arguments, (QStringList{"/S", "/v" + quoted, "/clone_wait"}));
        // The text starts exactly the program and arguments handed to the process layer.
        QCOMPARE(QProcess::splitCommand(command.text), QStringList{command.program} + command.arguments);
    }

    void removalCommand_data()
    {
        QTest::addColumn<QStringList>("features");
        QTest::addColumn<QVector<int>>("ticks");
        QTest::addColumn<QStringList>("arguments"); // after the product code

        const QStringList three = {"PCI", "SMBUS", "CIR"};
        QTest::newRow("every tick set: whole product") << three << QVector<int>{1, 1, 1} << QStringList{"REMOVE=ALL", "/qn"};
        QTest::newRow("PCI and CIR ticked: the ticked keys")
            << three << QVector<int>{1, 0, 1} << QStringList{"REMOVE=PCI,CIR", "/qn"};
        QTest::newRow("nothing ticked: no bare REMOVE") << three << QVector<int>{0, 0, 0} << QStringList{"/qn"};
        QTest::newRow("empty and malformed keys left out")
            << QStringList{"PCI", "", "A B", "SMBUS", "x\"y", "CIR,NUVL"} << QVector<int>{1, 1, 1, 0, 1, 1}
            << QStringList{"REMOVE=PCI", "/qn"};
        QTest::newRow("only malformed keys ticked: no bare REMOVE")
            << QStringList{"PCI", "A=B"} << QVector<int>{0, 1} << QStringList{"/qn"};
    }

    void removalCommand()
    {
        QFETCH(QStringList, features);
        QFETCH(QVector<int>, ticks);
        QFETCH(QStringList, arguments);
        const QString code = QStringLiteral("{1A2B3C4D-0000-1111-2222-333344445555}");
        const InstallCommand command = InstallCommand::removal(kMsiExec, code, features, ticks);
        const QString option = arguments.first() == QLatin1String("REMOVE=ALL") ? "/x" : "/i";
        QCOMPARE(command.program, kMsiExec);
        QCOMPARE(command.arguments, QStringList({option, code}) + arguments);
        QCOMPARE(command.text, kMsiExec + ' ' + command.arguments.join(' '));
    }

    // Only a GUID in braces reaches MsiExec: any other text could carry options of its own.
    void productCodeReachesRemoval_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("started");
        QTest::newRow("braced GUID, lower-case digits") << "{0a1b2c3d-1111-2222-3333-444455556666}" << true;
        QTest::newRow("no code") << "" << false;
        QTest::newRow("options after the code") << "{0A1B2C3D-1111-2222-3333-444455556666} /qn REMOVE=ALL" << false;
        QTest::newRow("line feed after the code") << "{0A1B2C3D-1111-2222-3333-444455556666}\n" << false;
    }

    void productCodeReachesRemoval()
    {
        QFETCH(QString, code);
        QFETCH(bool, started);
        TestMachine machine;
        machine.setArguments({"/U", code});
        machine.addRecorder(kMsiExec);
        CustomSettings settings(machine.platform(), machine.commandLine(), machine.run);
        QVERIFY(settings.getCommandLineArguments());
        QCOMPARE(settings.toInvokeExeForUninstall(), started ? 1 : 0);
        if (started)
            QTRY_COMPARE(machine.recordedRuns(), (QList<QStringList>{{"MsiExec.exe", "/x", code, "/qn"}}));
        QTRY_COMPARE(settings.isRunning(), 0);
        QCOMPARE(machine.recordedRuns().size(), started ? 1 : 0);
    }

    // The Windows version the package rules compare, as Qt reports it with a service pack or without.
    void windowsVersion_data()
    {
        QTest::addColumn<QString>("reported");
        QTest::addColumn<QString>("version");
        QTest::newRow("service pack") << "7sp1" << "7";
        QTest::newRow("two digits") << "2008sp12" << "2008";
        QTest::newRow("none") << "10" << "10";
        QTest::newRow("dotted") << "8.1" << "8.1";
        QTest::newRow("no number after it") << "7sp" << "7sp";
        QTest::newRow("only the pack") << "sp1" << "";
        QTest::newRow("other letters") << "2012r2" << "2012r2";
    }

    void windowsVersion()
    {
        QFETCH(QString, reported);
        QFETCH(QString, version);
        QCOMPARE(QtSystemInfo::withoutServicePack(reported), version);
    }

    // Which row of the RAID table a choice takes (the first whose condition holds: NVMe before
    // SATA, an installed package adding ADDLOCAL), and that MsiExec receives that row's text.
    void raidTable_data()
    {
        QTest::addColumn<RaidLaunchTable::Choice>("choice"); // RAID, RAIDMavel, NVMe, SATA, installed
        QTest::addColumn<int>("row");
        QTest::newRow("both, NVMe, installed") << Choice{true, true, true, false, true} << 1;
        QTest::newRow("both, SATA, installed") << Choice{true, true, false, true, true} << 2;
        QTest::newRow("both, NVMe") << Choice{true, true, true, false, false} << 3;
        QTest::newRow("RAID, NVMe, installed") << Choice{true, false, true, false, true} << 6;
        QTest::newRow("RAID alone") << Choice{true, false, false, false, false} << 10;
        QTest::newRow("RAIDMavel ignores the mode") << Choice{false, true, true, false, true} << 11;
        QTest::newRow("neither") << Choice{false, false, true, false, true} << 13;
    }

    void raidTable()
    {
        QFETCH(RaidLaunchTable::Choice, choice);
        QFETCH(int, row);
        QCOMPARE(RaidLaunchTable::row(choice), row);

        TestMachine machine;
        machine.writeRegistry(QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_Drivers]\r\n"
                                             "\"iamlaunchedfrom\"=\"C:\\\\ZYM\\\\Chipset_Driver_Installer\"\r\n")
                              + (choice.installed ? QStringLiteral("\"InstallationPath\"=\"C:\\\\ZYM\"\r\n") : QString()));
        machine.setArguments(choice.nvme || choice.sata ? QStringList{"a", "b", choice.nvme ? "/SET_RAIDNVME" : "/SET_RAIDSATA"}
                                                        : QStringList());
        machine.addRecorder(kMsiExec);
        CustomSettings settings(machine.platform(), machine.commandLine(), machine.run);
        settings.getDriverCheckboxStatus(choice.raidSelected);
        settings.getDriverCheckboxStatusForMavel(choice.mavelSelected);
        QCOMPARE(settings.toInvokeExeForInstall(), 1);
        QTRY_COMPARE(machine.recordedRuns().size(), 1);
        QCOMPARE(machine.recordedRuns().first(), QStringList{"MsiExec.exe"} + QProcess::splitCommand(RaidLaunchTable::text(choice)));
    }

    // The extract-only run starts right before the application quits. It must do all its work,
    // output included, with no one left to read it.
    void extractOnlyRunOutlivesTheFrontEnd()
    {
        TestMachine machine;
        const QString standIn = machine.layout.filePath(ProductPaths::extractOnlyProgram);
        QVERIFY(QDir().mkpath(QFileInfo(standIn).absolutePath()));
        QFile script(standIn);
        QVERIFY(script.open(QIODevice::WriteOnly));
        // It speaks only once the front-end has gone, and notes its arguments only if it could.
        const QString gone = machine.root.filePath(QStringLiteral("front-end-gone"));
        script.write(QStringLiteral("#!/bin/sh\nn=0; until [ -e '%1' ] || [ $n -ge 600 ]; do sleep 0.05; n=$((n + 1)); done\n"
                                    "echo extracting && echo almost >&2 && printf '%s\\n' \"$@\" > '%2'\n")
                         .arg(gone, machine.recordPath).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);

        QProcess frontEnd;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CHIPSET_INSTALLER_DRIVE"), machine.drivePath);
        environment.insert(QStringLiteral("CHIPSET_INSTALLER_REGISTRY"), machine.registryPath);
        frontEnd.setProcessEnvironment(environment);
        frontEnd.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kExtractAndQuit)});
        QVERIFY(frontEnd.waitForFinished(ProcessStart::timeoutMs));
        QFile goneMark(gone);
        QVERIFY(goneMark.open(QIODevice::WriteOnly));
        const auto recorded = [&machine] {
            QFile file(machine.recordPath);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QTRY_COMPARE_WITH_TIMEOUT(recorded(), QByteArray("/S\n/v EXTRACTONLY=1 /qr\n"), 10000);
    }

    // The extract-only program runs with administrator rights: not when anyone else may change it or a folder above it.
    void extractOnlyProgramOnlyWhenNobodyElseCanChangeIt_data()
    {
        QTest::addColumn<QString>("writable"); // a Windows path
        QTest::addColumn<int>("extraMode");
        QTest::newRow("nobody else") << QString() << 0;
        QTest::newRow("the program, by others") << ProductPaths::extractOnlyProgram << int(QFileDevice::WriteOther);
        QTest::newRow("its folder, by the group") << ProductPaths::extractOnlyProgram.section('\\', 0, -2) << int(QFileDevice::WriteGroup);
        QTest::newRow("C:\\ZYM, by others") << QStringLiteral("C:\\ZYM") << int(QFileDevice::WriteOther);
    }
    void extractOnlyProgramOnlyWhenNobodyElseCanChangeIt()
    {
        QFETCH(QString, writable);
        QFETCH(int, extraMode);
        TestMachine machine;
        machine.addRecorder(ProductPaths::extractOnlyProgram);
        const QString path = writable.isEmpty() ? machine.drivePath : machine.layout.filePath(writable);
        QVERIFY(QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::Permissions(extraMode)));
        if (!writable.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^not starting the extract-only run: .*: %1 can be changed by other users$").arg(QRegularExpression::escape(path))));
        CustomSettings settings(machine.platform(), machine.commandLine(), machine.run);
        QCOMPARE(settings.toExtractFiles(), writable.isEmpty() ? 1 : 0);
        QTRY_COMPARE(machine.recordedRuns().size(), writable.isEmpty() ? 1 : 0);
    }

    // The package's restart flag counts from the 32-bit view on every architecture, never the plain one.
    void restartFlagIsReadFromThe32BitView()
    {
        for (const bool wow : {true, false}) {
            TestMachine machine;
            machine.systemInfo.architecture = QStringLiteral("arm64");
            machine.writeRegistry(QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\%1ZYM\\ZYM_Chipset_IODrivers]\r\n\"REBOOTSTATUS\"=\"YES\"")
                                      .arg(wow ? "WOW6432Node\\" : ""));
            QCOMPARE(CustomSettings(machine.platform(), machine.commandLine(), machine.run).isRestartRequired(), wow);
        }
    }

    // What the reader skips, a rewrite would lose: the writer refuses such a file.
    void regFileWriterRefusesWhatItCannotRead()
    {
        QString error;
        for (const char *line : {";", "\"D\"=dword:123456789", "\"U\"=\"open", "[HKLM\\K] ;", "[HKXX\\K]", "\"V\""})
            QVERIFY2(!RegFileWriter(writeRegFile(encode(reg({"[HKLM\\K]", line}), Utf16LeBomCrLf))).load(&error), line);
    }

    // The one table that turns an installer's exit code into what the page says.
    void outcome_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("crashed");
        QTest::addColumn<bool>("flagged");
        QTest::addColumn<bool>("removal");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("restart");
        QTest::addColumn<bool>("retry");
        const QString ok = QStringLiteral("Successfully Installed"), removed = QStringLiteral("Successfully Uninstalled");
        QTest::newRow("0, not flagged") << 0 << false << false << false << ok << false << false;
        QTest::newRow("0, flagged") << 0 << false << true << false << ok << true << false;
        QTest::newRow("0, removal, install flag set") << 0 << false << true << true << removed << false << false;
        QTest::newRow("3010 whatever the flag") << 3010 << false << false << false << ok << true << false;
        QTest::newRow("1641: already restarting") << 1641 << false << true << false
                                                  << "Successfully Installed. Windows is restarting." << false << false;
        QTest::newRow("1602 cancelled") << 1602 << false << true << false << "Installation cancelled" << false << true;
        QTest::newRow("1223 cancelled") << 1223 << false << false << false << "Installation cancelled" << false << true;
        QTest::newRow("1602, removal") << 1602 << false << false << true << "Uninstallation cancelled" << false << true;
        QTest::newRow("1618 busy") << 1618 << false << false << false
                                   << "Another installation is in progress. Try again when it has finished." << false << true;
        QTest::newRow("3017") << 3017 << false << false << false
                              << "Installation failed (error 3017). A restart is required." << true << false;
        QTest::newRow("3018, removal") << 3018 << false << false << true
                                       << "Uninstallation failed (error 3018). A restart is required." << true << false;
        QTest::newRow("1603 fatal error") << 1603 << false << true << false << "Installation failed (error 1603)" << false << false;
        QTest::newRow("1, removal") << 1 << false << false << true << "Uninstallation failed (error 1)" << false << false;
        QTest::newRow("crash with code 0 is no success") << 0 << true << true << false
                                                         << "Installation failed (error 0)" << false << false;
    }

    void outcome()
    {
        QFETCH(int, exitCode);
        QFETCH(bool, crashed);
        QFETCH(bool, flagged);
        QFETCH(bool, removal);
        QFETCH(QString, text);
        QFETCH(bool, restart);
        QFETCH(bool, retry);
        const InstallOutcome outcome = InstallOutcome::classify(exitCode, crashed, flagged, removal);
        QCOMPARE(outcome.statusText, text);
        QCOMPARE(outcome.restartOffered, restart);
        QCOMPARE(outcome.retryOffered, retry);
    }

    // What the front-end exits with, as a deployment tool reads it: how the run ended and how the
    // user left. Installer code -1: no program there to start; -2: nothing started.
    void frontEndExitCode_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("registry");
        QTest::addColumn<int>("installerCode");
        QTest::addColumn<bool>("restartNow");
        QTest::addColumn<int>("exitCode");
        const QStringList pci{"/SETPCI"}, removal{"/U", "{0A1B2C3D-1111-2222-3333-444455556666}"};
        const QString flag = kIoDriverKey + "\"REBOOTSTATUS\"=\"YES\"\r\n\"DeployedFeatures\"=\"PCI,CIR\"\r\n";
        QTest::newRow("0, Close") << pci << "" << 0 << false << 0;
        QTest::newRow("0, Restart Now not offered") << pci << "" << 0 << true << 0;
        QTest::newRow("0 and the package's restart flag, Close") << pci << flag << 0 << false << 3010;
        QTest::newRow("0 and the package's restart flag, Restart Now") << pci << flag << 0 << true << 1641;
        QTest::newRow("3010, Restart Now") << pci << "" << 3010 << true << 1641;
        QTest::newRow("1641, restarting already") << pci << "" << 1641 << false << 1641;
        QTest::newRow("1602 cancelled") << pci << "" << 1602 << false << 1602;
        QTest::newRow("1223 cancelled") << pci << "" << 1223 << false << 1223;
        QTest::newRow("1618 busy") << pci << "" << 1618 << false << 1618;
        QTest::newRow("3017, Close") << pci << "" << 3017 << false << 3017;
        QTest::newRow("3017, Restart Now") << pci << "" << 3017 << true << 3018;
        QTest::newRow("1603 failed") << pci << flag << 1603 << false << 1603;
        QTest::newRow("removal 0: the install's restart flag does not count") << removal << flag << 0 << false << 0;
        QTest::newRow("removal 3010, Finish") << removal << flag << 3010 << false << 3010;
        QTest::newRow("no program to start") << pci << "" << -1 << false << 1619;
        QTest::newRow("left before starting") << pci << "" << -2 << false << 1602;
        QTest::newRow("nothing offered") << QStringList{"/SETFOO"} << "" << -2 << false << 1633;
        QTest::newRow("nothing to remove") << removal << kIoDriverKey + "\"DeployedFeatures\"=\"Drivers\"\r\n" << -2 << false << 1605;
    }

    void frontEndExitCode()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, registry);
        QFETCH(int, installerCode);
        QFETCH(bool, restartNow);
        QFETCH(int, exitCode);
        TestMachine machine;
        machine.setArguments(arguments);
        machine.writeRegistry(registry);
        const bool removal = arguments.first() == "/U";
        if (installerCode >= 0)
            machine.addRecorder(removal ? kMsiExec : ProductPaths::setupProgramFromFrontEnd, 0, installerCode);
        DriverInfo info(machine.platform(), machine.commandLine(), machine.run);
        QVERIFY(removal ? info.getNumberOfUninstallableDrivers() >= 0 : info.getNumberOfDrivers() > 0);
        if (installerCode != -2) {
            QCOMPARE(removal ? info.uninstallbutton() : info.installbutton(), installerCode >= 0 ? 1 : 0);
            QTRY_COMPARE(info.isRunning(), 0);
        }
        QCOMPARE(info.getFrontEndExitCode(restartNow), exitCode);
    }
};

void TestBackend::regFileReadText_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("keyPath");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // null: absent

    const QString kn = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Zym");
    const QString k = "[" + kn + "]";
    const QString kp = QStringLiteral("HKLM\\SOFTWARE\\Zym");
    const struct {
        const char *row;
        QStringList lines;
        QString keyPath;
        QString name;
        QString expected;
    } cases[] = {
        {"escapes", reg({k, R"("P"="C:\\Pro Files\\\"q\"")"}), kp, "P", R"(C:\Pro Files\"q")"},
        {"empty string is not absent", reg({k, R"("E"="")"}), kp, "E", QLatin1String("")},
        {"absent value", reg({k, R"("V"="1")"}), kp, "W", QString()},
        {"deleted value", reg({k, R"("V"="1")", R"("V"=-)"}), kp, "V", QString()},
        {"names ignore case", reg({"[HKLM\\Software\\ZYM]", R"("Version"="1")"}), "HKLM\\SOFTWARE\\zym", "vERSION", "1"},
        {"malformed lines skipped",
         reg({k, R"("U"="open)", R"("H"=hex:zz)", R"("D"=dword:123456789)", "junk", R"("N" "x")", R"("G"="yes")"}),
         kp, "G", "yes"},
        {"section without bracket takes no values", reg({k, "[HKLM\\SOFTWARE\\Zym\\X", R"("B"="2")"}), kp, "B", QString()},
        {"no header no registry", QStringList{"Windows Registry Editor", k, R"("V"="1")"}, kp, "V", QString()},
        {"non-ASCII names and text", reg({"[HKLM\\Größe]", R"("Ñame"="東京 €")"}), "HKLM\\größe", "ñame", "東京 €"},
    };
    const struct {
        const char *row;
        Encoding encoding;
    } encodings[] = {{"utf8 lf", Utf8Lf}, {"utf8 bom crlf", Utf8BomCrLf}, {"utf16le bom crlf", Utf16LeBomCrLf}};
    for (const auto &c : cases) {
        for (const auto &e : encodings) {
            QTest::addRow("%s / %s", c.row, e.row) << encode(c.lines, e.encoding) << c.keyPath << c.name << c.expected;
        }
    }
    QTest::newRow("ANSI REGEDIT4 file") << QByteArray("REGEDIT4\r\n[HKLM\\K]\r\n\"V\"=\"Gr\xfc\xdf\x80\"\r\n")
                                      << "HKLM\\K" << "V" << QStringLiteral("Grüß€");
}

void TestBackend::regFileReadText()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, keyPath);
    QFETCH(QString, name);
    QFETCH(QString, expected);

    const QString text = RegFileRegistry(writeRegFile(file)).readText(keyPath, name);
    QCOMPARE(text.isNull(), expected.isNull());
    QCOMPARE(text, expected);
}

void TestBackend::regFileSurvivesHugeLines()
{
    const QString deep = "[HKLM" + QString("\\a").repeated(200000) + "]";
    RegFileRegistry registry(writeRegFile(encode(reg({deep, "[" + QString(1 << 20, '['), R"("H"=hex:)" + QString("01,").repeated(1 << 18),
        R"("L"=")" + QString(1 << 22, '\\'), "[HKLM\\K]", R"("V"="1")"}), Utf16LeBomCrLf)));
    QCOMPARE(registry.readText("HKLM\\K", "V"), QStringLiteral("1"));
    HKEY key = nullptr;
    QCOMPARE(registry.openKey("HKLM\\a", &key), long(Registry::FileNotFound)); // deeper than the registry allows
}

// Run with this argument, the test program is a front-end of its own on the machine that the environment names: it
// starts the extract-only run and quits at once, leaving the run going as the application does.
int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], kExtractAndQuit) == 0) {
        QCoreApplication application(argc, argv);
        const ProductionPlatform platform(argc, argv);
        // Never destroyed, as in the application, so nothing ends the run.
        (new InstallerBackends(platform.seams().platform))->settings()->toExtractFiles();
        return 0;
    }
    QGuiApplication application(argc, argv);
    TestBackend test;
    QTEST_SET_MAIN_SOURCE_PATH return QTest::qExec(&test, argc, argv);
}
#include "tst_backend.moc"
