#include "app/productionplatform.h"
#include "backend/customsettings.h"
#include "backend/processstart.h"
#include "backend/raidlaunchtable.h"
#include "tests/testplatform.h"

#include <QtTest>

namespace {
const char *const extractAndQuit = "--extract-and-quit";
}

// CustomSettings: its command-line tests, the selection flags, and the
// launches it composes and starts (extract-only, RAID table, removal).
class TestCustomSettings : public QObject
{
    Q_OBJECT

private:
    static const QString msiExec;
    static const QString productCode;

    static QString extractionFolderRecorded()
    {
        return QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_Drivers]\r\n"
                              "\"iamlaunchedfrom\"=\"C:\\\\ZYM\\\\Chipset_Driver_Installer\"\r\n");
    }

private slots:
    void uninstallModeTest_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("uninstall");
        QTest::addColumn<bool>("upgrade");
        QTest::newRow("no arguments") << QStringList() << false << false;
        QTest::newRow("/U and code") << QStringList{"/U", "{12345678-ABCD}"} << true << false;
        QTest::newRow("/u is not /U") << QStringList{"/u", "{1}"} << false << false;
        QTest::newRow("/U not first") << QStringList{"/SETPCI", "/U", "{1}"} << false << false;
        QTest::newRow("/U last") << QStringList{"/U"} << true << false;
        QTest::newRow("NVMe marker first") << QStringList{"/SET_RAIDNVME", "/SETPCI"} << false << true;
        QTest::newRow("NVMe marker lower case") << QStringList{"/set_raidnvme"} << false << false;
        QTest::newRow("NVMe marker second") << QStringList{"/SETPCI", "/SET_RAIDNVME"} << false << false;
    }

    void uninstallModeTest()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, uninstall);
        QFETCH(bool, upgrade);
        TestMachine machine;
        machine.setArguments(arguments);
        CustomSettings settings(machine.platform());
        QCOMPARE(settings.getCommandLineArguments(), uninstall);
        QCOMPARE(settings.getCommandLineArgumentsForUpgrade(), upgrade);
    }

    // Only a GUID in braces reaches MsiExec: any other text could carry options of its own.
    void productCodeReachesRemoval_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("started");
        QTest::newRow("braced GUID") << "{0A1B2C3D-1111-2222-3333-444455556666}" << true;
        QTest::newRow("lower-case digits") << "{0a1b2c3d-1111-2222-3333-444455556666}" << true;
        QTest::newRow("no code") << "" << false;
        QTest::newRow("options after the code") << "{0A1B2C3D-1111-2222-3333-444455556666} /qn REMOVE=ALL" << false;
        QTest::newRow("no braces") << "0A1B2C3D-1111-2222-3333-444455556666" << false;
        QTest::newRow("line feed after the code") << "{0A1B2C3D-1111-2222-3333-444455556666}\n" << false;
        QTest::newRow("a group too short") << "{0A1B2C3D-111-2222-3333-444455556666}" << false;
        QTest::newRow("not hexadecimal") << "{0A1B2C3G-1111-2222-3333-444455556666}" << false;
    }

    void productCodeReachesRemoval()
    {
        QFETCH(QString, code);
        QFETCH(bool, started);
        TestMachine machine;
        machine.setArguments({"/U", code});
        machine.addRecorder(msiExec);
        CustomSettings settings(machine.platform());
        QVERIFY(settings.getCommandLineArguments());
        QCOMPARE(settings.toInvokeExeForUninstall(), started ? 1 : 0);
        if (started)
            QTRY_COMPARE(machine.recordedRuns(), (QList<QStringList>{{"MsiExec.exe", "/x", code, "/qn"}}));
        QTRY_COMPARE(settings.isRunning(), 0);
        QCOMPARE(machine.recordedRuns().size(), started ? 1 : 0);
    }

    void supportedDriverSubstring_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("found");
        QTest::newRow("exact") << QStringList{"/SETZYM_RAID"} << "/SETZYM_RAID" << true;
        QTest::newRow("asked in lower case") << QStringList{"/SETZYM_RAID"} << "/setzym_raid" << true;
        QTest::newRow("prefix of a longer switch") << QStringList{"/SETPCIX"} << "/SETPCI" << true;
        QTest::newRow("empty is always found") << QStringList() << "" << true;
        QTest::newRow("absent") << QStringList{"/SETPCI"} << "/SETCIR" << false;
        QTest::newRow("the executable path counts too") << QStringList() << "ChipsetDriverInstaller" << true;
    }

    void supportedDriverSubstring()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, asked);
        QFETCH(bool, found);
        TestMachine machine;
        machine.setArguments(arguments);
        CustomSettings settings(machine.platform());
        QCOMPARE(settings.toDisplaySupportedDrivers(asked), found);
    }

    // The RAID mode comes from the third argument of exactly three; it shows in
    // which row of the RAID table the next install takes.
    void raidModeFromCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<int>("row");
        QTest::newRow("no arguments") << QStringList() << false << 5;
        QTest::newRow("NVMe third of three, installed") << QStringList{"/SETZYM_RAID", "/SETRAIDMAVEL", "/SET_RAIDNVME"} << true << 1;
        QTest::newRow("SATA third of three, installed") << QStringList{"a", "b", "/SET_RAIDSATA"} << true << 2;
        QTest::newRow("NVMe third of three") << QStringList{"a", "b", "/SET_RAIDNVME"} << false << 3;
        QTest::newRow("SATA third of three") << QStringList{"a", "b", "/SET_RAIDSATA"} << false << 4;
        QTest::newRow("SATA second of three") << QStringList{"a", "/SET_RAIDSATA", "b"} << false << 5;
        QTest::newRow("SATA last of two") << QStringList{"a", "/SET_RAIDSATA"} << false << 5;
        QTest::newRow("SATA last of four") << QStringList{"a", "b", "c", "/SET_RAIDSATA"} << false << 5;
        QTest::newRow("lower case") << QStringList{"a", "b", "/set_raidsata"} << false << 5;
    }

    void raidModeFromCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, installed);
        QFETCH(int, row);
        TestMachine machine;
        machine.setArguments(arguments);
        machine.writeRegistry(extractionFolderRecorded()
                              + (installed ? QStringLiteral("\"InstallationPath\"=\"C:\\\\ZYM\"\r\n") : QString()));
        machine.addRecorder(msiExec);
        CustomSettings settings(machine.platform());
        QCOMPARE(settings.toInvokeExeForInstall(), 1);
        QTRY_COMPARE(machine.recordedRuns().size(), 1);
        RaidLaunchTable::Choice choice;
        choice.raidSelected = choice.mavelSelected = true;
        choice.installed = installed;
        choice.nvme = row == 1 || row == 3;
        choice.sata = row == 2 || row == 4;
        QCOMPARE(RaidLaunchTable::row(choice), row);
        const QStringList expected = QProcess::splitCommand(msiExec + RaidLaunchTable::text(choice));
        QCOMPARE(machine.recordedRuns().first().mid(1), expected.mid(1));
    }

    void raidTable_data()
    {
        QTest::addColumn<bool>("raid");
        QTest::addColumn<bool>("mavel");
        QTest::addColumn<bool>("nvme");
        QTest::addColumn<bool>("sata");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        const QString db = QStringLiteral(" /i C:\\ZYM\\ZYM_Chipset_Drivers\\ZYM_Chipset_Drivers.msi QTLAUNCH=1 ");
        QTest::newRow("1") << true << true << true << false << true << 1 << db + "SETZYM_RAID=YES SETRAIDMAVEL=YES SET_RAIDNVME=YES ADDLOCAL=ZYM_RAID,RAIDMAVEL /qr";
        QTest::newRow("2") << true << true << false << true << true << 2 << db + "SETZYM_RAID=YES SETRAIDMAVEL=YES SET_RAIDSATA=YES ADDLOCAL=ZYM_RAID,RAIDMAVEL /qr";
        QTest::newRow("3") << true << true << true << false << false << 3 << db + "SETZYM_RAID=YES SETRAIDMAVEL=YES SET_RAIDNVME=YES /qr";
        QTest::newRow("4") << true << true << false << true << false << 4 << db + "SETZYM_RAID=YES SETRAIDMAVEL=YES SET_RAIDSATA=YES /qr";
        QTest::newRow("5") << true << true << false << false << false << 5 << db + "SETZYM_RAID=YES SETRAIDMAVEL=YES /qr";
        QTest::newRow("5 installed") << true << true << false << false << true << 5 << db + "SETZYM_RAID=YES SETRAIDMAVEL=YES /qr";
        QTest::newRow("1 wins over 2 when both modes") << true << true << true << true << true << 1 << db + "SETZYM_RAID=YES SETRAIDMAVEL=YES SET_RAIDNVME=YES ADDLOCAL=ZYM_RAID,RAIDMAVEL /qr";
        QTest::newRow("6") << true << false << true << false << true << 6 << db + "SETZYM_RAID=YES SET_RAIDNVME=YES ADDLOCAL=ZYM_RAID /qr";
        QTest::newRow("7") << true << false << true << false << false << 7 << db + "SETZYM_RAID=YES SET_RAIDNVME=YES /qr";
        QTest::newRow("8") << true << false << false << true << true << 8 << db + "SETZYM_RAID=YES SET_RAIDSATA=YES ADDLOCAL=ZYM_RAID /qr";
        QTest::newRow("9") << true << false << false << true << false << 9 << db + "SETZYM_RAID=YES SET_RAIDSATA=YES /qr";
        QTest::newRow("10 doubled /qr") << true << false << false << false << false << 10 << db + "SETZYM_RAID=YES /qr /qr";
        QTest::newRow("10 installed too") << true << false << false << false << true << 10 << db + "SETZYM_RAID=YES /qr /qr";
        QTest::newRow("11") << false << true << false << false << true << 11 << db + "SETRAIDMAVEL=YES ADDLOCAL=RAIDMAVEL /qr";
        QTest::newRow("11 ignores the mode") << false << true << true << false << true << 11 << db + "SETRAIDMAVEL=YES ADDLOCAL=RAIDMAVEL /qr";
        QTest::newRow("12") << false << true << true << false << false << 12 << db + "SETRAIDMAVEL=YES /qr";
        QTest::newRow("13") << false << false << true << false << true << 13 << "";
    }

    // Every row, composed and started: the stand-in receives the row's text
    // split into arguments.
    void raidTable()
    {
        QFETCH(bool, raid);
        QFETCH(bool, mavel);
        QFETCH(bool, nvme);
        QFETCH(bool, sata);
        QFETCH(bool, installed);
        QFETCH(int, row);
        QFETCH(QString, text);
        RaidLaunchTable::Choice choice{raid, mavel, nvme, sata, installed};
        QCOMPARE(RaidLaunchTable::row(choice), row);
        QCOMPARE(RaidLaunchTable::text(choice), text);

        TestMachine machine;
        machine.writeRegistry(extractionFolderRecorded()
                              + (installed ? QStringLiteral("\"InstallationPath\"=\"C:\\\\ZYM\"\r\n") : QString()));
        machine.setArguments(nvme || sata ? QStringList{"a", "b", nvme ? "/SET_RAIDNVME" : "/SET_RAIDSATA"} : QStringList());
        machine.addRecorder(msiExec);
        CustomSettings settings(machine.platform());
        settings.getDriverCheckboxStatus(raid);
        settings.getDriverCheckboxStatusForMavel(mavel);
        if (!(nvme && sata)) {
            QCOMPARE(settings.toInvokeExeForInstall(), 1);
            QTRY_COMPARE(machine.recordedRuns().size(), 1);
            QCOMPARE(machine.recordedRuns().first(), QStringList{"MsiExec.exe"} + QProcess::splitCommand(text));
        }
    }

    void setupProgramRoute_data()
    {
        QTest::addColumn<bool>("pci");
        QTest::addColumn<QStringList>("received");
        QTest::newRow("PCI not selected: no arguments") << false << QStringList{"ZYM_Chipset_Drivers.exe"};
        QTest::newRow("PCI selected") << true
                                      << QStringList{"ZYM_Chipset_Drivers.exe", "/S", "/vQTLAUNCH=1 SETPCI=YES /qr", "/clone_wait"};
    }

    // Without the extraction folder recorded the setup program beside the
    // application is started, carrying only the PCI part.
    void setupProgramRoute()
    {
        QFETCH(bool, pci);
        QFETCH(QStringList, received);
        TestMachine machine;
        machine.addRecorder(QStringLiteral("..\\Packages\\ZYM_Chipset_Drivers.exe"));
        CustomSettings settings(machine.platform());
        QVERIFY(!settings.toLaunchMSI());
        if (pci) {
            QTest::ignoreMessage(QtDebugMsg, "true");
            settings.getDriverCheckboxStatusForPCI(true);
        }
        QCOMPARE(settings.toInvokeExeForInstall(), 1);
        QTRY_COMPARE(machine.recordedRuns().size(), 1);
        QCOMPARE(machine.recordedRuns().first(), received);
    }

    void launchedFromExtractionFolder_data()
    {
        QTest::addColumn<QString>("value"); // null: absent
        QTest::addColumn<bool>("msi");
        QTest::newRow("extraction folder") << "C:\\\\ZYM\\\\Chipset_Driver_Installer" << true;
        QTest::newRow("lower case") << "c:\\\\zym\\\\chipset_driver_installer" << true;
        QTest::newRow("elsewhere") << "D:\\\\Downloads" << false;
        QTest::newRow("absent") << QString() << false;
    }

    void launchedFromExtractionFolder()
    {
        QFETCH(QString, value);
        QFETCH(bool, msi);
        TestMachine machine;
        machine.writeRegistry(QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_Drivers]\r\n")
                              + (value.isNull() ? QString() : QStringLiteral("\"iamlaunchedfrom\"=\"%1\"\r\n").arg(value)));
        CustomSettings settings(machine.platform());
        QCOMPARE(settings.toLaunchMSI(), msi);
    }

    void twoInstallsComposeTheSameCommand()
    {
        TestMachine machine;
        machine.writeRegistry(extractionFolderRecorded());
        machine.addRecorder(msiExec);
        CustomSettings settings(machine.platform());
        QCOMPARE(settings.toInvokeExeForInstall(), 1);
        QTRY_COMPARE(settings.isRunning(), 0);
        QCOMPARE(settings.toInvokeExeForInstall(), 1);
        QTRY_COMPARE(machine.recordedRuns().size(), 2);
        QCOMPARE(machine.recordedRuns().at(0), machine.recordedRuns().at(1));
    }

    // The extract-only run starts right before the application quits. It must do all its work,
    // output included, with no one left to read it.
    void extractOnlyRunOutlivesTheFrontEnd()
    {
        TestMachine machine;
        const QString standIn = machine.drivePath + QStringLiteral("/ZYM/Chipset_Driver_Installer/ChipsetDriversExtract/MSIFiles/Packages/ZYM_Chipset_Drivers.exe");
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
        frontEnd.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(extractAndQuit)});
        QVERIFY(frontEnd.waitForFinished(ProcessStart::timeoutMs));
        QFile goneMark(gone);
        QVERIFY(goneMark.open(QIODevice::WriteOnly));
        const auto recorded = [&machine] {
            QFile file(machine.recordPath);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QTRY_COMPARE_WITH_TIMEOUT(recorded(), QByteArray("/S\n/v EXTRACTONLY=1 /qr\n"), 10000);
    }

    void missingProgramAnswersZero()
    {
        TestMachine machine; // no stand-ins at all
        machine.writeRegistry(extractionFolderRecorded());
        machine.setArguments({"/U", productCode});
        CustomSettings settings(machine.platform());
        settings.getCommandLineArguments();
        QCOMPARE(settings.toInvokeExeForInstall(), 0);
        QCOMPARE(settings.toInvokeExeForUninstall(), 0);
        QCOMPARE(settings.isRunning(), 0);
    }

    void runningUntilEndOrKill()
    {
        TestMachine machine;
        machine.addRecorder(msiExec, 30);
        machine.setArguments({"/U", productCode});
        CustomSettings settings(machine.platform());
        QCOMPARE(settings.isRunning(), 0); // nothing started yet
        settings.getCommandLineArguments();
        QCOMPARE(settings.toInvokeExeForUninstall(), 1);
        QCOMPARE(settings.isRunning(), 1);
        // A second start while the first runs is refused, not reported as started.
        QCOMPARE(settings.toInvokeExeForUninstall(), 0);
        settings.toTerminateProcess();
        QTRY_COMPARE(settings.isRunning(), 0);
    }

    void selectionFlagsAnswerWhatTheyStore()
    {
        TestMachine machine;
        CustomSettings settings(machine.platform());
        QCOMPARE(settings.getDriverCheckboxStatus(false), false);
        QCOMPARE(settings.getDriverCheckboxStatusForMavel(true), true);
        QTest::ignoreMessage(QtDebugMsg, "false");
        QCOMPARE(settings.getDriverCheckboxStatusForPCI(false), false);
    }

    // The reset restores the selection but leaves the PCI choice alone.
    void resetRestoresSelection()
    {
        TestMachine machine;
        machine.writeRegistry(extractionFolderRecorded());
        machine.addRecorder(msiExec);
        CustomSettings settings(machine.platform());
        settings.getDriverCheckboxStatus(false);
        settings.getDriverCheckboxStatusForMavel(false);
        settings.toInitializeVariables();
        QCOMPARE(settings.toInvokeExeForInstall(), 1);
        QTRY_COMPARE(machine.recordedRuns().size(), 1);
        QVERIFY(machine.recordedRuns().first().contains(QStringLiteral("SETRAIDMAVEL=YES")));
        QVERIFY(machine.recordedRuns().first().contains(QStringLiteral("SETZYM_RAID=YES")));
    }
};

const QString TestCustomSettings::msiExec = QStringLiteral("C:\\Windows\\System32\\MsiExec.exe");
const QString TestCustomSettings::productCode = QStringLiteral("{0A1B2C3D-1111-2222-3333-444455556666}");

// Run with this argument, the test program is a front-end of its own on the machine that the
// environment names: it starts the extract-only run and quits at once, leaving the run going as
// the application does.
int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], extractAndQuit) == 0) {
        QCoreApplication application(argc, argv);
        const ProductionPlatform platform;
        // Never destroyed, as in the application, so nothing ends the run.
        (new CustomSettings(platform.seams().platform))->toExtractFiles();
        return 0;
    }
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    TestCustomSettings test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_customsettings.moc"
