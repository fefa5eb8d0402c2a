#include "backend/driverinfo.h"
#include "platform/simulated/regfilewriter.h"
#include "tests/testplatform.h"

#include <QtTest>

namespace {

const QString kWowIoDriverKey = QStringLiteral("SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers");
const QString kPlainIoDriverKey = QStringLiteral("SOFTWARE\\ZYM\\ZYM_Chipset_IODrivers");

// One key of a .reg file below HKEY_LOCAL_MACHINE; values as name, text pairs.
QString regKey(const QString &path, const QStringList &nameTextPairs = {})
{
    QString text = RegFileWriter::sectionLine({QStringLiteral("HKEY_LOCAL_MACHINE"), path}) + QStringLiteral("\r\n");
    for (int i = 0; i + 1 < nameTextPairs.size(); i += 2)
        text += RegFileWriter::stringValueLine(nameTextPairs.at(i), nameTextPairs.at(i + 1)) + QStringLiteral("\r\n");
    return text + QStringLiteral("\r\n");
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
    void ticksBelongToListCountedLast();
    void removalList_data();
    void removalList();
    void ioDriverKeyFollowsArchitecture_data();
    void ioDriverKeyFollowsArchitecture();
    void installedVersions_data();
    void installedVersions();
};

void TestDriverInfo::installList_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("versions");

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
    QTest::newRow("unknown switch kept without version")
        << QStringList{"/SETFOO"} << QStringList{"FOO"} << QStringList{"ZYM FOO Driver"} << QStringList{""};
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

    QCOMPARE(driver.getNumberOfDrivers(), keys.size());
    for (int i = 0; i < keys.size(); ++i) {
        QCOMPARE(driver.getDriverName(i), keys.at(i));
        QCOMPARE(driver.setDriverName(i), names.at(i));
        QCOMPARE(driver.setVersionNumber(i), versions.at(i));
    }
    QVERIFY(driver.uninstallALLDrivers()); // every row starts ticked
    QVERIFY(driver.setDriverName(keys.size()).isEmpty());
}

void TestDriverInfo::olderWindowsPicksFirstVersion_data()
{
    QTest::addColumn<QString>("productVersion");
    QTest::addColumn<bool>("older");
    QTest::addColumn<QString>("version");

    QTest::newRow("Windows 7") << "7" << true << "1.0.0.67";
    QTest::newRow("Windows 10") << "10" << false << "1.0.0.75";
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
    QTest::newRow("value absent: one empty row") << QString() << QStringList{"ZYM  Driver"};
    QTest::newRow("value empty: one empty row") << "" << QStringList{"ZYM  Driver"};
    QTest::newRow("empty parts kept") << "PCI,,SMBUS,"
                                      << QStringList{"ZYM PCI Device Driver", "ZYM  Driver", "ZYM SMBus Driver", "ZYM  Driver"};
    QTest::newRow("only the first of a repeat excluded") << "GPIO2,GPIO2" << QStringList{"ZYM GPIO2 Driver"};
    QTest::newRow("keys and exclusions case-sensitive") << "pci,RAID" << QStringList{"ZYM pci Driver", "ZYM RAID Driver"};
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
    QTest::newRow("read from the 32-bit view on i386 too") << "i386" << 2 << "3.2.4.100";
    QTest::newRow("switches compared case-sensitively") << "x86_64" << 3 << "";
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

    QCOMPARE(driver.getOlderVersionNumber(row), version);
}

QTEST_MAIN(TestDriverInfo)
#include "tst_driverinfo.moc"
