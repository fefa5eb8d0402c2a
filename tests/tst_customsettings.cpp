#include "app/productionplatform.h"
#include "backend/customsettings.h"
#include "backend/processstart.h"
#include "backend/raidlaunchtable.h"
#include "tests/testplatform.h"

#include <QtTest>

namespace {
const char *const extractAndQuit = "--extract-and-quit";
}

// CustomSettings: the launches it composes and starts (removal, the RAID
// rows that differ, the setup-program route, the extract-only run), the
// package's restart flag and the installation log's link.
class TestCustomSettings : public QObject
{
    Q_OBJECT

private:
    static const QString msiExec;

    static QString extractionFolderRecorded()
    {
        return QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_Drivers]\r\n"
                              "\"iamlaunchedfrom\"=\"C:\\\\ZYM\\\\Chipset_Driver_Installer\"\r\n");
    }

private slots:
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
        QTest::newRow("6") << true << false << true << false << true << 6 << db + "SETZYM_RAID=YES SET_RAIDNVME=YES ADDLOCAL=ZYM_RAID /qr";
        QTest::newRow("10 doubled /qr") << true << false << false << false << false << 10 << db + "SETZYM_RAID=YES /qr /qr";
        QTest::newRow("11 ignores the mode") << false << true << true << false << true << 11 << db + "SETRAIDMAVEL=YES ADDLOCAL=RAIDMAVEL /qr";
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

    void restartFlag_data()
    {
        QTest::addColumn<QString>("architecture");
        QTest::addColumn<QString>("registry");
        QTest::addColumn<bool>("required");
        const QString wowKey = QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers]\r\n");
        const QString plainKey = QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\ZYM\\ZYM_Chipset_IODrivers]\r\n");
        QTest::newRow("YES") << "x86_64" << wowKey + "\"REBOOTSTATUS\"=\"YES\"" << true;
        QTest::newRow("yes in lower case") << "x86_64" << wowKey + "\"REBOOTSTATUS\"=\"yes\"" << true;
        QTest::newRow("YES with a blank") << "x86_64" << wowKey + "\"REBOOTSTATUS\"=\"YES \"" << false;
        QTest::newRow("other architecture still reads the WOW view") << "arm64" << wowKey + "\"REBOOTSTATUS\"=\"YES\"" << true;
        QTest::newRow("the plain view never counts") << "arm64" << plainKey + "\"REBOOTSTATUS\"=\"YES\"" << false;
    }

    void restartFlag()
    {
        QFETCH(QString, architecture);
        QFETCH(QString, registry);
        QFETCH(bool, required);
        TestMachine machine;
        machine.systemInfo.architecture = architecture;
        machine.writeRegistry(registry);
        CustomSettings settings(machine.platform());
        QCOMPARE(settings.isRestartRequired(), required);
    }

    void logFileUrl_data()
    {
        QTest::addColumn<QString>("profile");  // null: no such variable
        QTest::addColumn<QString>("url");      // empty: nothing opened
        QTest::addColumn<QString>("path");     // the file the link names, as its decoded path
        QTest::newRow("backslashes become slashes") << "C:\\Users\\Ann"
                                                    << "file:///C:/Users/Ann/ZYM_Chipset_IODrivers.log"
                                                    << "/C:/Users/Ann/ZYM_Chipset_IODrivers.log";
        QTest::newRow("no profile: no guess") << QString() << QString() << QString();
        QTest::newRow("# and % in folder") << "C:\\Users\\dev#2 50%41"
                                           << "file:///C:/Users/dev%232%2050%2541/ZYM_Chipset_IODrivers.log"
                                           << "/C:/Users/dev#2 50%41/ZYM_Chipset_IODrivers.log";
    }

    void logFileUrl()
    {
        QFETCH(QString, profile);
        QFETCH(QString, url);
        QFETCH(QString, path);
        TestMachine machine;
        if (!profile.isNull())
            machine.environment.variables.insert(QStringLiteral("userprofile"), profile);
        CustomSettings settings(machine.platform());
        settings.toLaunchLogFile();
        QCOMPARE(machine.urlOpener.opened.size(), url.isEmpty() ? 0 : 1);
        if (url.isEmpty())
            return;
        QCOMPARE(machine.urlOpener.opened.first().toString(QUrl::FullyEncoded), url);
        QCOMPARE(machine.urlOpener.opened.first().path(QUrl::FullyDecoded), path);
    }
};

const QString TestCustomSettings::msiExec = QStringLiteral("C:\\Windows\\System32\\MsiExec.exe");

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
