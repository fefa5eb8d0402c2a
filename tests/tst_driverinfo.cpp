#include "backend/driverinfo.h"
#include "platform/simulated/regfilewriter.h"
#include "tests/testplatform.h"

#include <QProcess>
#include <QtTest>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kWowIoDriverKey = QStringLiteral("SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers");
const QString kPlainIoDriverKey = QStringLiteral("SOFTWARE\\ZYM\\ZYM_Chipset_IODrivers");
const QString kSetupRecorder = QStringLiteral("..\\Packages\\ZYM_Chipset_Drivers.exe");
const QString kMsiExec = QStringLiteral("C:\\Windows\\System32\\MsiExec.exe");
const QString kProductCode = QStringLiteral("{4D2E1C3B-5A6F-4789-8ABC-DEF012345678}");

// One key of a .reg file below HKEY_LOCAL_MACHINE; values as name, text pairs.
QString regKey(const QString &path, const QStringList &nameTextPairs = {})
{
    QString text = RegFileWriter::sectionLine({QStringLiteral("HKEY_LOCAL_MACHINE"), path}) + QStringLiteral("\r\n");
    for (int i = 0; i + 1 < nameTextPairs.size(); i += 2)
        text += RegFileWriter::stringValueLine(nameTextPairs.at(i), nameTextPairs.at(i + 1)) + QStringLiteral("\r\n");
    return text + QStringLiteral("\r\n");
}

// Collects debug lines while alive; used only where the lines are under test.
class DebugCapture
{
public:
    DebugCapture() { s_lines.clear(), m_previous = qInstallMessageHandler(collect); }
    ~DebugCapture() { qInstallMessageHandler(m_previous); }
    QStringList lines() const { return s_lines; }

private:
    static void collect(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (type == QtDebugMsg)
            s_lines << message;
    }
    static inline QStringList s_lines;
    QtMessageHandler m_previous;
};

// Standard output of this process, while alive, goes to a temporary file.
class StdoutCapture
{
public:
    StdoutCapture()
    {
        m_file.open();
        std::fflush(stdout);
        m_saved = dup(STDOUT_FILENO);
        dup2(m_file.handle(), STDOUT_FILENO);
    }
    QString finish()
    {
        std::fflush(stdout);
        dup2(m_saved, STDOUT_FILENO);
        close(m_saved);
        m_file.seek(0);
        return QString::fromUtf8(m_file.readAll());
    }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};

// Real runners whose start waits are recorded. With `confirmStarts` off a
// start is answered at once, leaving the real process in its starting state.
class SpyRunner final : public ProcessRunner
{
public:
    SpyRunner(std::unique_ptr<ProcessRunner> real, QVector<int> *limits, const bool *confirm)
        : m_real(std::move(real)), m_limits(limits), m_confirm(confirm) {}
    void start(const QString &program, const QStringList &arguments, Output output) override { m_real->start(program, arguments, output); }
    bool waitForStarted(int msecs) override
    {
        *m_limits << msecs;
        return *m_confirm ? m_real->waitForStarted(msecs) : true;
    }
    bool waitForFinished(int msecs) override { return m_real->waitForFinished(msecs); }
    QProcess::ProcessState state() const override { return m_real->state(); }
    void kill() override { m_real->kill(); }
    QByteArray readAllStandardOutput() override { return m_real->readAllStandardOutput(); }
    int exitCode() const override { return m_real->exitCode(); }
    QProcess::ExitStatus exitStatus() const override { return m_real->exitStatus(); }
    QProcess::ProcessError error() const override { return m_real->error(); }

private:
    std::unique_ptr<ProcessRunner> m_real;
    QVector<int> *m_limits;
    const bool *m_confirm;
};

class SpyLauncher final : public ProcessLauncher
{
public:
    explicit SpyLauncher(ProcessLauncher *real) : m_real(real) {}
    std::unique_ptr<ProcessRunner> createRunner() override
    {
        auto runner = std::make_unique<SpyRunner>(m_real->createRunner(), &waitLimits, &confirmStarts);
        lastRunner = runner.get();
        return runner;
    }
    QVector<int> waitLimits;
    bool confirmStarts = true;
    ProcessRunner *lastRunner = nullptr;

private:
    ProcessLauncher *m_real;
};

// The product code of a removal, taken as the scene takes it; the install list read before stays.
void takeProductCode(TestMachine &machine, DriverInfo &driver)
{
    machine.setArguments({"/U", kProductCode});
    QVERIFY(driver.getCommandLineArguments());
}

} // namespace

class TestDriverInfo final : public QObject
{
    Q_OBJECT

private slots:
    void installList_data();
    void installList();
    void olderWindowsPicksFirstVersion_data();
    void olderWindowsPicksFirstVersion();
    void ticksSharedBetweenBothNames_data();
    void ticksSharedBetweenBothNames();
    void ticksBelongToListCountedLast();
    void removalList_data();
    void removalList();
    void removalRowNameRereadsRegistry();
    void ioDriverKeyFollowsArchitecture_data();
    void ioDriverKeyFollowsArchitecture();
    void installedVersions_data();
    void installedVersions();
    void queryDebugLines();
    void queryKeyDepth_data();
    void queryKeyDepth();
    void installRun_data();
    void installRun();
    void installFromPackagesFolderAndDebugLines();
    void removalRun_data();
    void removalRun();
    void removalMode_data();
    void removalMode();
    void failedStartAnswersZero_data();
    void failedStartAnswersZero();
    void noSecondStartWhileRunning_data();
    void noSecondStartWhileRunning();
    void isRunningOnlyWhileRunning_data();
    void isRunningOnlyWhileRunning();
    void completionOfRealRun_data();
    void completionOfRealRun();
};

void TestDriverInfo::installList_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("versions");

    QTest::newRow("only the application path: no rows") << QStringList() << QStringList() << QStringList() << QStringList();
    QTest::newRow("marker between switches is no row")
        << QStringList{"/SETPCI", "/SET_RAIDSATA", "/SETGPIO2"} << QStringList{"PCI", "GPIO2"}
        << QStringList{"ZYM PCI Device Driver", "ZYM GPIO Driver"} << QStringList{"1.0.0.75", "2.2.0.126"};
    QTest::newRow("both markers removed") << QStringList{"/SET_RAIDNVME", "/SETCIR", "/SET_RAIDSATA"} << QStringList{"CIR"}
                                          << QStringList{"ZYM Consumer Infrared Driver"} << QStringList{"3.2.4.135"};
    QTest::newRow("repeated marker: only the first removed")
        << QStringList{"/SET_RAIDNVME", "/SETI2C", "/SET_RAIDNVME"} << QStringList{"I2C", "_RAIDNVME"}
        << QStringList{"ZYM I2C Driver", "ZYM _RAIDNVME Driver"} << QStringList{"1.2.0.99", ""};
    QTest::newRow("lower-case marker is a row") << QStringList{"/set_raidsata"} << QStringList{"_raidsata"}
                                                << QStringList{"ZYM _raidsata Driver"} << QStringList{""};
    QTest::newRow("short token has an empty key")
        << QStringList{"/U"} << QStringList{""} << QStringList{"ZYM  Driver"} << QStringList{""};
    QTest::newRow("unknown switch kept without version")
        << QStringList{"/SETFOO"} << QStringList{"FOO"} << QStringList{"ZYM FOO Driver"} << QStringList{""};
    QTest::newRow("lower-case switch is not the catalogue's")
        << QStringList{"/setpci"} << QStringList{"pci"} << QStringList{"ZYM pci Driver"} << QStringList{""};
}

void TestDriverInfo::installList()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, names);
    QFETCH(QStringList, versions);

    TestMachine machine;
    machine.setArguments(arguments);
    DriverInfo driver(machine.platform());

    // Both name lookups write the row index first, also for a row that is not there.
    const auto expectIndexLine = [](int row) { QTest::ignoreMessage(QtDebugMsg, qPrintable(QString::number(row))); };
    QCOMPARE(driver.getNumberOfDrivers(), keys.size());
    for (int i = 0; i < keys.size(); ++i) {
        expectIndexLine(i);
        QCOMPARE(driver.getDriverName(i), keys.at(i));
        expectIndexLine(i);
        QCOMPARE(driver.setDriverName(i), names.at(i));
        QCOMPARE(driver.setVersionNumber(i), versions.at(i));
    }
    QVERIFY(driver.uninstallALLDrivers()); // every row starts ticked
    expectIndexLine(keys.size());
    QVERIFY(driver.getDriverName(keys.size()).isEmpty());
    expectIndexLine(-1);
    QVERIFY(driver.setDriverName(-1).isEmpty());
    QVERIFY(driver.setVersionNumber(keys.size()).isEmpty());
}

void TestDriverInfo::olderWindowsPicksFirstVersion_data()
{
    QTest::addColumn<QString>("productVersion");
    QTest::addColumn<bool>("older");
    QTest::addColumn<QString>("version");

    QTest::newRow("Windows 7") << "7" << true << "1.0.0.67";
    QTest::newRow("Windows 10") << "10" << false << "1.0.0.75";
    QTest::newRow("Windows 8.1") << "8.1" << false << "1.0.0.75";
    QTest::newRow("7SP in any case") << "7sp1" << true << "1.0.0.67";
    QTest::newRow("vista in any case") << "VISTA" << true << "1.0.0.67";
    QTest::newRow("a seven inside is not 7") << "17" << false << "1.0.0.75";
}

void TestDriverInfo::olderWindowsPicksFirstVersion()
{
    QFETCH(QString, productVersion);
    QFETCH(bool, older);
    QFETCH(QString, version);

    TestMachine machine;
    machine.systemInfo.version = productVersion;
    machine.setArguments({"/SETPCI"});
    machine.writeRegistry(regKey(kWowIoDriverKey, {"DeployedFeatures", "PCI"}));
    DriverInfo driver(machine.platform());

    QCOMPARE(driver.getOSVersion(), older);
    driver.getNumberOfDrivers();
    QCOMPARE(driver.setVersionNumber(0), version);
    driver.getNumberOfUninstallableDrivers();
    QCOMPARE(driver.setVersionNumberForUninstall(0), version);
}

void TestDriverInfo::ticksSharedBetweenBothNames_data()
{
    QTest::addColumn<bool>("untickViaRemovalName");
    QTest::addColumn<bool>("retickViaRemovalName");

    QTest::newRow("untick as install row, retick as removal row") << false << true;
    QTest::newRow("untick as removal row, retick as install row") << true << false;
}

void TestDriverInfo::ticksSharedBetweenBothNames()
{
    QFETCH(bool, untickViaRemovalName);
    QFETCH(bool, retickViaRemovalName);

    TestMachine machine;
    machine.setArguments({"/SETPCI", "/SETCIR", "/SETNUVL"});
    DriverInfo driver(machine.platform());
    driver.getNumberOfDrivers();

    untickViaRemovalName ? driver.getCheckboxStatusForUninstall(false, 2) : driver.getCheckboxStatus(false, 2);
    QVERIFY(!driver.uninstallALLDrivers());
    retickViaRemovalName ? driver.getCheckboxStatusForUninstall(true, 2) : driver.getCheckboxStatus(true, 2);
    QVERIFY(driver.uninstallALLDrivers());
}

void TestDriverInfo::ticksBelongToListCountedLast()
{
    TestMachine machine;
    machine.setArguments({"/SETPCI", "/SETCIR", "/SETNUVL"});
    machine.writeRegistry(regKey(kWowIoDriverKey, {"DeployedFeatures", "PCI,CIR"}));
    DriverInfo driver(machine.platform());

    driver.getNumberOfDrivers();
    driver.getCheckboxStatus(false, 0);
    driver.getNumberOfUninstallableDrivers();
    QVERIFY(driver.uninstallALLDrivers());
    driver.getCheckboxStatus(false, 2); // past the removal list: ignored
    QVERIFY(driver.uninstallALLDrivers());
    driver.getCheckboxStatusForUninstall(false, 1);
    QVERIFY(!driver.uninstallALLDrivers());
    driver.getNumberOfDrivers();
    QVERIFY(driver.uninstallALLDrivers());
}

void TestDriverInfo::removalList_data()
{
    QTest::addColumn<QString>("deployed"); // a null text: no value at all
    QTest::addColumn<QStringList>("names");

    QTest::newRow("GPIO2 excluded") << "PCI,GPIO2,SMBUS,CIR"
                                    << QStringList{"ZYM PCI Device Driver", "ZYM SMBus Driver", "ZYM Consumer Infrared Driver"};
    QTest::newRow("only excluded entries: no rows") << "raid,Drivers" << QStringList();
    QTest::newRow("all fourteen exclusions taken out")
        << "raid,Drivers,GPIO2,USBHUB,USBCNTRL,USBHUB_PT,USBCNTRL_PT,SATA,USBCNTRL_HD,USBHUB_HD,BL_RAID,FILTERUSB,GPIO3,USB31,NUVL"
        << QStringList{"ZYM Nuvel Driver"};
    QTest::newRow("value absent: one empty row") << QString() << QStringList{"ZYM  Driver"};
    QTest::newRow("value empty: one empty row") << "" << QStringList{"ZYM  Driver"};
    QTest::newRow("empty parts kept") << "PCI,,SMBUS,"
                                      << QStringList{"ZYM PCI Device Driver", "ZYM  Driver", "ZYM SMBus Driver", "ZYM  Driver"};
    QTest::newRow("only the first of a repeat excluded") << "GPIO2,GPIO2" << QStringList{"ZYM GPIO2 Driver"};
    QTest::newRow("keys and exclusions case-sensitive") << "pci,RAID" << QStringList{"ZYM pci Driver", "ZYM RAID Driver"};
    QTest::newRow("removal names keep the whole key")
        << "ZYM_RAID,RAIDMAVEL" << QStringList{"ZYM ZYM_RAID Driver", "ZYM RAIDMAVEL Driver"};
    QTest::newRow("blanks not trimmed") << " PCI" << QStringList{"ZYM  PCI Driver"};
}

void TestDriverInfo::removalList()
{
    QFETCH(QString, deployed);
    QFETCH(QStringList, names);

    TestMachine machine;
    machine.writeRegistry(regKey(kWowIoDriverKey, deployed.isNull() ? QStringList() : QStringList{"DeployedFeatures", deployed}));
    DriverInfo driver(machine.platform());

    QCOMPARE(driver.getNumberOfUninstallableDrivers(), names.size());
    QVERIFY(driver.uninstallALLDrivers());
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(driver.getUnistallableDrivers(i), names.at(i));
    QVERIFY(driver.getUnistallableDrivers(names.size()).isEmpty());
    QVERIFY(driver.setVersionNumberForUninstall(names.size()).isEmpty());
}

void TestDriverInfo::removalRowNameRereadsRegistry()
{
    TestMachine machine;
    machine.writeRegistry(regKey(kWowIoDriverKey, {"DeployedFeatures", "PCI,CIR"}));
    DriverInfo driver(machine.platform());
    driver.getNumberOfUninstallableDrivers();
    driver.getCheckboxStatusForUninstall(false, 1);

    machine.writeRegistry(regKey(kWowIoDriverKey, {"DeployedFeatures", "CIR,PCI"}));
    QCOMPARE(driver.setVersionNumberForUninstall(0), QStringLiteral("1.0.0.75")); // still the list read before
    QCOMPARE(driver.getUnistallableDrivers(0), QStringLiteral("ZYM Consumer Infrared Driver"));
    QCOMPARE(driver.setVersionNumberForUninstall(0), QStringLiteral("3.2.4.135"));
    QVERIFY(driver.uninstallALLDrivers());
}

void TestDriverInfo::ioDriverKeyFollowsArchitecture_data()
{
    QTest::addColumn<QString>("architecture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("installed");

    QTest::newRow("x86_64 reads the 32-bit view") << "x86_64" << "ZYM PCI Device Driver" << true;
    QTest::newRow("i386 reads the plain key") << "i386" << "ZYM Consumer Infrared Driver" << false;
    QTest::newRow("architecture compared case-sensitively") << "X86_64" << "ZYM Consumer Infrared Driver" << false;
}

void TestDriverInfo::ioDriverKeyFollowsArchitecture()
{
    QFETCH(QString, architecture);
    QFETCH(QString, name);
    QFETCH(bool, installed);

    TestMachine machine;
    machine.systemInfo.architecture = architecture;
    machine.writeRegistry(regKey(kWowIoDriverKey, {"InstallationPath", "C:\\ZYM", "DeployedFeatures", "PCI"})
                          + regKey(kPlainIoDriverKey, {"DeployedFeatures", "CIR"}));
    DriverInfo driver(machine.platform());

    QCOMPARE(driver.getUnistallableDrivers(0), name);
    QCOMPARE(driver.isDriverInstalled(QStringLiteral("PCI")), installed);
    QCOMPARE(driver.isDriverInstalled(QString()), installed);
}

void TestDriverInfo::installedVersions_data()
{
    QTest::addColumn<QString>("architecture");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("version");

    QTest::newRow("later subkey with the same switch wins") << "x86_64" << 0 << "1.0.0.70";
    QTest::newRow("product without version") << "x86_64" << 1 << "";
    QTest::newRow("read from the 32-bit view on x86_64") << "x86_64" << 2 << "3.2.4.100";
    QTest::newRow("read from the 32-bit view on i386 too") << "i386" << 2 << "3.2.4.100";
    QTest::newRow("switches compared case-sensitively") << "x86_64" << 3 << "";
    QTest::newRow("no product for the switch") << "x86_64" << 4 << "";
    QTest::newRow("row past the end") << "x86_64" << 5 << "";
}

void TestDriverInfo::installedVersions()
{
    QFETCH(QString, architecture);
    QFETCH(int, row);
    QFETCH(QString, version);

    TestMachine machine;
    machine.systemInfo.architecture = architecture;
    machine.setArguments({"/SETPCI", "/SETGPIO2", "/SETCIR", "/setpci", "/SETNUVL"});
    const QString maker = QStringLiteral("SOFTWARE\\WOW6432Node\\ZYM\\");
    machine.writeRegistry(regKey(maker + "ZYM_Chipset_IODrivers", {"InstallationPath", "C:\\ZYM"})
                          + regKey(maker + "PciOld", {"prdtcmd", "/SETPCI", "ProductVersion", "1.0.0.60"})
                          + regKey(maker + "Gpio", {"prdtcmd", "/SETGPIO2"})
                          + regKey(maker + "PciNew", {"ProductVersion", "1.0.0.70", "prdtcmd", "/SETPCI"})
                          + regKey(maker + "Cir", {"prdtcmd", "/SETCIR", "ProductVersion", "3.2.4.100"})
                          + regKey("SOFTWARE\\ZYM\\Cir", {"prdtcmd", "/SETCIR", "ProductVersion", "9.9.9.9"}));
    DriverInfo driver(machine.platform());
    HKEY makerKey = nullptr;
    QCOMPARE(machine.registry->openKey(QStringLiteral("HKLM\\") + maker, &makerKey), long(Registry::Success));
    driver.query(makerKey);
    machine.registry->closeKey(makerKey);
    driver.getNumberOfDrivers();

    QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("strOlderVersion ") + version));
    QCOMPARE(driver.getOlderVersionNumber(row), version);
}

void TestDriverInfo::queryDebugLines()
{
    TestMachine machine;
    machine.writeRegistry(regKey("SOFTWARE\\WOW6432Node\\ZYM\\A", {"prdtcmd", "/SETPCI", "ProductVersion", "1.0"})
                          + regKey("SOFTWARE\\WOW6432Node\\ZYM\\B", {"ProductVersion", "2.0"}));
    DriverInfo driver(machine.platform());
    HKEY makerKey = nullptr;
    machine.registry->openKey(QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\ZYM"), &makerKey);

    DebugCapture capture;
    driver.query(makerKey);
    machine.registry->closeKey(makerKey);

    const QStringList expected = {
        "Number of subkeys: 2 \n", "array size: 1 \n", "0 A", "array size: 2 \n", "1 B",
        "inside for loop", "hive: HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\A", "not null", "/SETPCI : 1.0", "size: 1",
        "inside for loop", "hive: HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\B", "null", "size: 1",
    };
    QCOMPARE(capture.lines(), expected);
}

void TestDriverInfo::queryKeyDepth_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("keysDumped");

    QTest::newRow("depth 0: the key alone") << 0 << 1;
    QTest::newRow("depth 1: one level down") << 1 << 2;
    QTest::newRow("depth 2: two levels down") << 2 << 3;
    QTest::newRow("negative depth: no limit") << -1 << 4;
    QTest::newRow("depth beyond the tree") << 7 << 4;
}

void TestDriverInfo::queryKeyDepth()
{
    QFETCH(int, depth);
    QFETCH(int, keysDumped);

    TestMachine machine;
    machine.writeRegistry(regKey("SOFTWARE\\Dump", {"v", "a"}) + regKey("SOFTWARE\\Dump\\L1")
                          + regKey("SOFTWARE\\Dump\\L1\\L2") + regKey("SOFTWARE\\Dump\\L1\\L2\\L3"));
    DriverInfo driver(machine.platform());
    HKEY key = nullptr;
    machine.registry->openKey(QStringLiteral("HKLM\\SOFTWARE\\Dump"), &key);

    DebugCapture capture;
    StdoutCapture output;
    driver.queryKey(key, depth);
    const QString printed = output.finish();
    machine.registry->closeKey(key);

    const QStringList lines = capture.lines();
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^cvalues "))).size(), keysDumped);
    QCOMPARE(lines.count(QStringLiteral("inside for")), 10 * keysDumped); // ten indices, whatever the key holds
    QCOMPARE(lines.mid(0, 3), (QStringList{"cvalues 1 \n", "inside for", "retcode 0"}));
    QVERIFY2(lines.value(3).startsWith(QStringLiteral("1 v 4 ")), qPrintable(lines.value(3)));
    QCOMPARE(lines.mid(4, 2), (QStringList{"inside for", "retcode 259"}));
    // The subkey count goes to standard output, once per key that descends.
    QCOMPARE(printed, QStringLiteral("\nNumber of subkeys: 1\n").repeated(keysDumped - 1));
    QCOMPARE(lines.contains(QStringLiteral("1 L1 \n")), depth != 0);
}

void TestDriverInfo::installRun_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("tickPciAndGpio");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("received");

    QTest::newRow("package installed")
        << true << true
        << R"("C:\Setup\Bin\..\Packages\ZYM_Chipset_Drivers.exe" /S /v"QTLAUNCH=1 SETPCI=YES SETGPIO2=YES ADDLOCAL=PCI,GPIO2 /qr" /clone_wait)"
        << QStringList{"/S", "/vQTLAUNCH=1 SETPCI=YES SETGPIO2=YES ADDLOCAL=PCI,GPIO2 /qr", "/clone_wait"};
    QTest::newRow("package not installed")
        << false << true
        << R"("C:\Setup\Bin\..\Packages\ZYM_Chipset_Drivers.exe" /S /v"QTLAUNCH=1 SETPCI=YES SETGPIO2=YES /qr" /clone_wait)"
        << QStringList{"/S", "/vQTLAUNCH=1 SETPCI=YES SETGPIO2=YES /qr", "/clone_wait"};
    QTest::newRow("installed, nothing ticked: no bare ADDLOCAL")
        << true << false << R"("C:\Setup\Bin\..\Packages\ZYM_Chipset_Drivers.exe" /S /v"QTLAUNCH=1 /qr" /clone_wait)"
        << QStringList{"/S", "/vQTLAUNCH=1 /qr", "/clone_wait"};
}

void TestDriverInfo::installRun()
{
    QFETCH(bool, installed);
    QFETCH(bool, tickPciAndGpio);
    QFETCH(QString, text);
    QFETCH(QStringList, received);

    TestMachine machine;
    machine.arguments.dirPath = QStringLiteral("C:/Setup/Bin");
    QDir().mkpath(machine.drivePath + QStringLiteral("/Setup/Bin"));
    machine.addRecorder(QStringLiteral("C:\\Setup\\Packages\\ZYM_Chipset_Drivers.exe"));
    machine.setArguments({"/SETPCI", "/SET_RAIDNVME", "/SETGPIO2", "/SETCIR"});
    machine.writeRegistry(regKey(kWowIoDriverKey, installed ? QStringList{"InstallationPath", "C:\\ZYM"} : QStringList()));
    DriverInfo driver(machine.platform());
    driver.getNumberOfDrivers();
    driver.getCheckboxStatus(false, 2);
    driver.getCheckboxStatus(tickPciAndGpio, 0);
    driver.getCheckboxStatus(tickPciAndGpio, 1);

    QCOMPARE(driver.installbutton(), 1);
    QCOMPARE(driver.lastCommand(), text);
    QTRY_COMPARE(driver.isRunning(), 0);
    QCOMPARE(machine.recordedRuns(), QList<QStringList>{QStringList{"ZYM_Chipset_Drivers.exe"} + received});
    QCOMPARE(QProcess::splitCommand(text).mid(1), received);
}

void TestDriverInfo::installFromPackagesFolderAndDebugLines()
{
    TestMachine machine;
    machine.addRecorder(kSetupRecorder);
    machine.addRecorder(kMsiExec);
    machine.setArguments({"/SETPCI", "/SETGPIO2", "/SETCIR"});
    machine.writeRegistry(regKey(kWowIoDriverKey, {"InstallationPath", "C:\\ZYM", "DeployedFeatures", "PCI"}));
    DriverInfo driver(machine.platform());
    driver.getNumberOfDrivers();
    takeProductCode(machine, driver);
    driver.getCheckboxStatus(false, 2);

    DebugCapture capture;
    QCOMPARE(driver.installbutton(), 1);
    // The setup program is taken from "..\Packages" beside the application folder.
    QCOMPARE(driver.lastCommand(), QStringLiteral("\"%1\\..\\Packages\\ZYM_Chipset_Drivers.exe\" /S /v\"QTLAUNCH=1 "
                                                  "SETPCI=YES SETGPIO2=YES ADDLOCAL=PCI,GPIO2 /qr\" /clone_wait")
                                       .arg(QString(machine.appPath).replace(QLatin1Char('/'), QLatin1Char('\\'))));
    const QStringList expected = {
        "0", "adding  PCI to addlocal", "ADDLOCAL=PCI", "1", "adding  GPIO2 to addlocal", "ADDLOCAL=PCI,GPIO2", "2",
        " Process returned ::  1",
    };
    QCOMPARE(capture.lines(), expected);
    QTRY_COMPARE(machine.recordedRuns().size(), 1);
    QCOMPARE(machine.recordedRuns().at(0).value(2), QStringLiteral("/vQTLAUNCH=1 SETPCI=YES SETGPIO2=YES ADDLOCAL=PCI,GPIO2 /qr"));
    QTRY_COMPARE(driver.isRunning(), 0);

    driver.getNumberOfUninstallableDrivers();
    const int before = capture.lines().size();
    QCOMPARE(driver.uninstallbutton(), 1);
    QCOMPARE(capture.lines().size(), before); // the removal writes none
    QTRY_COMPARE(driver.isRunning(), 0);
}

void TestDriverInfo::removalRun_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QVector<int>>("untick");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("received");

    const QStringList withCode = {"/U", kProductCode};
    QTest::newRow("every tick set: whole product") << withCode << QVector<int>()
                                                   << kMsiExec + " /x " + kProductCode + " REMOVE=ALL /qn"
                                                   << QStringList{"/x", kProductCode, "REMOVE=ALL", "/qn"};
    QTest::newRow("PCI and CIR ticked: their keys") << withCode << QVector<int>{1}
                                                    << kMsiExec + " /i " + kProductCode + " REMOVE=PCI,CIR /qn"
                                                    << QStringList{"/i", kProductCode, "REMOVE=PCI,CIR", "/qn"};
    QTest::newRow("nothing ticked: no bare REMOVE") << withCode << QVector<int>{0, 1, 2}
                                                    << kMsiExec + " /i " + kProductCode + " /qn"
                                                    << QStringList{"/i", kProductCode, "/qn"};
    // A product code that is no GUID starts nothing: see the removal's hostile-input table.
}

void TestDriverInfo::removalRun()
{
    QFETCH(QStringList, arguments);
    QFETCH(QVector<int>, untick);
    QFETCH(QString, text);
    QFETCH(QStringList, received);

    TestMachine machine;
    machine.addRecorder(kMsiExec);
    machine.setArguments(arguments);
    machine.writeRegistry(regKey(kWowIoDriverKey, {"DeployedFeatures", "PCI,GPIO2,SMBUS,CIR"}));
    DriverInfo driver(machine.platform());
    QVERIFY(driver.getCommandLineArguments());
    QCOMPARE(driver.getNumberOfUninstallableDrivers(), 3);
    for (int row : untick)
        driver.getCheckboxStatusForUninstall(false, row);

    QCOMPARE(driver.uninstallbutton(), 1);
    QCOMPARE(driver.lastCommand(), text);
    QTRY_COMPARE(driver.isRunning(), 0);
    QCOMPARE(machine.recordedRuns(), QList<QStringList>{QStringList{"MsiExec.exe"} + received});
}

void TestDriverInfo::removalMode_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("removal");
    QTest::addColumn<QString>("productCode");

    QTest::newRow("/U and a code") << QStringList{"/U", "{NEW}"} << true << "{NEW}";
    QTest::newRow("/U alone: empty code") << QStringList{"/U"} << true << "";
    QTest::newRow("later arguments ignored") << QStringList{"/U", "{NEW}", "{OTHER}"} << true << "{NEW}";
    QTest::newRow("lower-case /u keeps the earlier code") << QStringList{"/u", "{NEW}"} << false << "{OLD}";
    QTest::newRow("/U not first keeps the earlier code") << QStringList{"/SETPCI", "/U", "{NEW}"} << false << "{OLD}";
    QTest::newRow("no arguments keep the earlier code") << QStringList() << false << "{OLD}";
}

void TestDriverInfo::removalMode()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, removal);
    QFETCH(QString, productCode);

    TestMachine machine; // no MsiExec stand-in: only the composed text is looked at
    machine.setArguments({"/U", "{OLD}"});
    DriverInfo driver(machine.platform());
    QVERIFY(driver.getCommandLineArguments());
    machine.setArguments(arguments);

    QCOMPARE(driver.getCommandLineArguments(), removal);
    QCOMPARE(driver.uninstallbutton(), 0);
    QCOMPARE(driver.lastCommand(), kMsiExec + QStringLiteral(" /x ") + productCode + QStringLiteral(" REMOVE=ALL /qn"));
}

void TestDriverInfo::failedStartAnswersZero_data()
{
    QTest::addColumn<bool>("removal");
    QTest::addColumn<QString>("recorder");

    QTest::newRow("setup program missing") << false << kSetupRecorder;
    QTest::newRow("MsiExec missing") << true << kMsiExec;
}

void TestDriverInfo::failedStartAnswersZero()
{
    QFETCH(bool, removal);
    QFETCH(QString, recorder);

    TestMachine machine;
    machine.setArguments({"/SETPCI"});
    DriverInfo driver(machine.platform());
    driver.getNumberOfDrivers();
    takeProductCode(machine, driver);
    const auto press = [&] { return removal ? driver.uninstallbutton() : driver.installbutton(); };

    if (!removal)
        QTest::ignoreMessage(QtDebugMsg, " Process returned ::  0");
    QCOMPARE(press(), 0);
    QCOMPARE(driver.isRunning(), 0);
    const QString first = driver.lastCommand();
    QCOMPARE(press(), 0);
    QCOMPARE(driver.lastCommand(), first); // fresh from the unchanged base
    QVERIFY(machine.recordedRuns().isEmpty());

    machine.addRecorder(recorder);
    QCOMPARE(press(), 1);
    QCOMPARE(driver.lastCommand(), first);
    QTRY_COMPARE(machine.recordedRuns().size(), 1);
    QTRY_COMPARE(driver.isRunning(), 0);
}

void TestDriverInfo::noSecondStartWhileRunning_data()
{
    QTest::addColumn<bool>("secondIsRemoval");

    QTest::newRow("install again") << false;
    QTest::newRow("removal meanwhile") << true;
}

void TestDriverInfo::noSecondStartWhileRunning()
{
    QFETCH(bool, secondIsRemoval);

    TestMachine machine;
    machine.addRecorder(kSetupRecorder, 1);
    machine.addRecorder(kMsiExec);
    machine.setArguments({"/SETPCI"});
    DriverInfo driver(machine.platform());
    driver.getNumberOfDrivers();
    takeProductCode(machine, driver);

    QCOMPARE(driver.installbutton(), 1);
    QCOMPARE(driver.isRunning(), 1);
    QCOMPARE(secondIsRemoval ? driver.uninstallbutton() : driver.installbutton(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(driver.isRunning(), 0, 10000);
    QCOMPARE(machine.recordedRuns().size(), 1);

    QCOMPARE(secondIsRemoval ? driver.uninstallbutton() : driver.installbutton(), 1); // refused only while running
    QTRY_COMPARE_WITH_TIMEOUT(driver.isRunning(), 0, 10000);
    QCOMPARE(machine.recordedRuns().size(), 2);
}

void TestDriverInfo::isRunningOnlyWhileRunning_data()
{
    QTest::addColumn<bool>("removal");
    QTest::addColumn<bool>("confirmStart");
    QTest::addColumn<int>("running");

    QTest::newRow("installer running") << false << true << 1;
    QTest::newRow("installer start not yet confirmed") << false << false << 0;
    QTest::newRow("MsiExec running") << true << true << 1;
    QTest::newRow("MsiExec start not yet confirmed") << true << false << 0;
}

void TestDriverInfo::isRunningOnlyWhileRunning()
{
    QFETCH(bool, removal);
    QFETCH(bool, confirmStart);
    QFETCH(int, running);

    TestMachine machine;
    machine.addRecorder(kSetupRecorder, 1);
    machine.addRecorder(kMsiExec, 1);
    machine.setArguments({"/SETPCI"});
    SpyLauncher launcher(machine.launcher.get());
    launcher.confirmStarts = confirmStart;
    Platform platform = machine.platform();
    platform.launcher = &launcher;
    DriverInfo driver(platform);
    driver.getNumberOfDrivers();
    takeProductCode(machine, driver);
    QCOMPARE(driver.isRunning(), 0);

    QCOMPARE(removal ? driver.uninstallbutton() : driver.installbutton(), 1);
    QCOMPARE(launcher.waitLimits, QVector<int>{30000});
    QCOMPARE(driver.isRunning(), running);
    QTRY_COMPARE(launcher.lastRunner->state(), QProcess::Running);
    QCOMPARE(driver.isRunning(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(launcher.lastRunner->state(), QProcess::NotRunning, 10000);
    QCOMPARE(driver.isRunning(), 0);
}

void TestDriverInfo::completionOfRealRun_data()
{
    QTest::addColumn<bool>("removal");
    QTest::addColumn<int>("exitCode"); // -1: the program kills itself
    QTest::addColumn<bool>("flagged");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("restart");
    QTest::addColumn<bool>("retry");
    QTest::newRow("0, package flags a restart") << false << 0 << true << "Successfully Installed" << true << false;
    QTest::newRow("0, no flag") << false << 0 << false << "Successfully Installed" << false << false;
    QTest::newRow("error, flag ignored") << false << 67 << true << "Installation failed (error 67)" << false << false;
    QTest::newRow("killed, flag ignored") << false << -1 << true << "Installation failed (error 9)" << false << false;
    QTest::newRow("removal 0") << true << 0 << false << "Successfully Uninstalled" << false << false;
    QTest::newRow("removal error") << true << 2 << false << "Uninstallation failed (error 2)" << false << false;
}

// The code a real process ended with reaches the page (a POSIX status keeps
// only its low byte, so the table's larger codes are proven elsewhere), and a
// process that was killed never reads as success.
void TestDriverInfo::completionOfRealRun()
{
    QFETCH(bool, removal);
    QFETCH(int, exitCode);
    QFETCH(bool, flagged);
    QFETCH(QString, text);
    QFETCH(bool, restart);
    QFETCH(bool, retry);

    TestMachine machine;
    const QString program = removal ? QStringLiteral("C:\\Windows\\System32\\MsiExec.exe")
                                    : QStringLiteral("..\\Packages\\ZYM_Chipset_Drivers.exe");
    machine.addRecorder(program, 0, qMax(exitCode, 0));
    if (exitCode < 0) {
        QFile script(machine.setupProgramPath());
        QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write("#!/bin/sh\nkill -9 $$\n");
    }
    machine.setArguments(removal ? QStringList{"/U", kProductCode} : QStringList{"/SETPCI"});
    machine.writeRegistry(regKey(kWowIoDriverKey, {"REBOOTSTATUS", flagged ? "YES" : "NO", "DeployedFeatures", "PCI"}));
    DriverInfo driver(machine.platform());
    if (removal) {
        driver.getCommandLineArguments();
        driver.getNumberOfUninstallableDrivers();
        QCOMPARE(driver.uninstallbutton(), 1);
    } else {
        driver.getNumberOfDrivers();
        QCOMPARE(driver.installbutton(), 1);
    }
    QTRY_COMPARE(driver.isRunning(), 0);
    QCOMPARE(driver.getCompletionStatus(), text);
    QCOMPARE(driver.isRestartOffered(), restart);
    QCOMPARE(driver.isRetryOffered(), retry);
}

QTEST_MAIN(TestDriverInfo)
#include "tst_driverinfo.moc"
