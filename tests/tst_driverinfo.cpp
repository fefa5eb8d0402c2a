#include "backend/driverinfo.h"
#include "tests/testplatform.h"

#include <QtTest>

// What DriverInfo offers: the install rows from the command line, the removal
// rows from the registry, their names and versions, and whose the ticks are.
class TestDriverInfo final : public QObject
{
    Q_OBJECT

private:
    static QString ioDriverKey(const QString &view, const QString &values)
    {
        return QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\%1ZYM\\ZYM_Chipset_IODrivers]\r\n%2\r\n").arg(view, values);
    }

    // Each row as its name, a blank and its version.
    static QStringList rows(DriverInfo &driver, bool removal)
    {
        QStringList rows;
        const int count = removal ? driver.getNumberOfUninstallableDrivers() : driver.getNumberOfDrivers();
        for (int i = 0; i < count; ++i)
            rows << (removal ? driver.getUnistallableDrivers(i) + ' ' + driver.setVersionNumberForUninstall(i)
                             : driver.setDriverName(i) + ' ' + driver.setVersionNumber(i));
        return rows;
    }

private slots:
    void installRows_data()
    {
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("markers between switches are no rows")
            << "10" << QStringList{"/SETPCI", "/SET_RAIDSATA", "/SETGPIO2"}
            << QStringList{"ZYM PCI Device Driver 1.0.0.75", "ZYM GPIO Driver 2.2.0.126"};
        QTest::newRow("a repeated marker is a row") << "10" << QStringList{"/SET_RAIDNVME", "/SETI2C", "/SET_RAIDNVME"}
                                                    << QStringList{"ZYM I2C Driver 1.2.0.99", "ZYM _RAIDNVME Driver "};
        QTest::newRow("unknown and lower-case switches have no version")
            << "10" << QStringList{"/SETFOO", "/setpci"} << QStringList{"ZYM FOO Driver ", "ZYM pci Driver "};
        QTest::newRow("Windows 7 takes the older version") << "7sp1" << QStringList{"/SETPCI"}
                                                           << QStringList{"ZYM PCI Device Driver 1.0.0.67"};
        QTest::newRow("Vista in any case too") << "VISTA" << QStringList{"/SETPCI"}
                                               << QStringList{"ZYM PCI Device Driver 1.0.0.67"};
        QTest::newRow("a seven inside is not 7") << "17" << QStringList{"/SETPCI"}
                                                 << QStringList{"ZYM PCI Device Driver 1.0.0.75"};
    }

    void installRows()
    {
        QFETCH(QString, windows);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, rows);
        TestMachine machine;
        machine.systemInfo.version = windows;
        machine.setArguments(arguments);
        DriverInfo driver(machine.platform());
        QCOMPARE(TestDriverInfo::rows(driver, false), rows);
        QVERIFY(driver.uninstallALLDrivers()); // every row starts ticked
    }

    void removalRows_data()
    {
        QTest::addColumn<QString>("architecture");
        QTest::addColumn<QString>("values"); // of the IO-driver key in the 32-bit view
        QTest::addColumn<QStringList>("rows");
        const QString deployed = QStringLiteral("\"DeployedFeatures\"=\"%1\"");
        QTest::newRow("GPIO2 excluded") << "x86_64" << deployed.arg("PCI,GPIO2,SMBUS,CIR")
                                        << QStringList{"ZYM PCI Device Driver 1.0.0.75", "ZYM SMBus Driver 5.12.0.38",
                                                       "ZYM Consumer Infrared Driver 3.2.4.135"};
        QTest::newRow("only excluded entries: no rows") << "x86_64" << deployed.arg("raid,Drivers") << QStringList();
        QTest::newRow("value absent: one empty row") << "x86_64" << QString() << QStringList{"ZYM  Driver "};
        QTest::newRow("empty parts kept, case kept")
            << "x86_64" << deployed.arg("pci,,RAID") << QStringList{"ZYM pci Driver ", "ZYM  Driver ", "ZYM RAID Driver "};
        // The plain key holds CIR alone.
        QTest::newRow("i386 reads the plain key") << "i386" << deployed.arg("PCI") << QStringList{"ZYM Consumer Infrared Driver 3.2.4.135"};
        QTest::newRow("architecture compared by case") << "X86_64" << deployed.arg("PCI")
                                                       << QStringList{"ZYM Consumer Infrared Driver 3.2.4.135"};
    }

    void removalRows()
    {
        QFETCH(QString, architecture);
        QFETCH(QString, values);
        QFETCH(QStringList, rows);
        TestMachine machine;
        machine.systemInfo.architecture = architecture;
        machine.writeRegistry(ioDriverKey(QStringLiteral("WOW6432Node\\"), values)
                              + ioDriverKey(QString(), QStringLiteral("\"DeployedFeatures\"=\"CIR\"")));
        DriverInfo driver(machine.platform());
        QCOMPARE(TestDriverInfo::rows(driver, true), rows);
    }

    // The one tick vector belongs to the list counted last.
    void ticksBelongToListCountedLast()
    {
        TestMachine machine;
        machine.setArguments({"/SETPCI", "/SETCIR", "/SETNUVL"});
        machine.writeRegistry(ioDriverKey(QStringLiteral("WOW6432Node\\"), QStringLiteral("\"DeployedFeatures\"=\"PCI,CIR\"")));
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

    // The versions installed, by switch, from the maker key's products.
    void installedVersions()
    {
        TestMachine machine;
        machine.setArguments({"/SETPCI", "/SETGPIO2", "/SETCIR", "/setpci"});
        const QString maker = QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\%1]\r\n%2\r\n");
        machine.writeRegistry(maker.arg("PciOld", "\"prdtcmd\"=\"/SETPCI\"\r\n\"ProductVersion\"=\"1.0.0.60\"")
                              + maker.arg("Gpio", "\"prdtcmd\"=\"/SETGPIO2\"")
                              + maker.arg("PciNew", "\"ProductVersion\"=\"1.0.0.70\"\r\n\"prdtcmd\"=\"/SETPCI\"")
                              + maker.arg("Cir", "\"prdtcmd\"=\"/SETCIR\"\r\n\"ProductVersion\"=\"3.2.4.100\""));
        DriverInfo driver(machine.platform());
        HKEY makerKey = nullptr;
        QCOMPARE(machine.registry->openKey(QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\"), &makerKey),
                 long(Registry::Success));
        driver.query(makerKey);
        machine.registry->closeKey(makerKey);
        driver.getNumberOfDrivers();
        QStringList versions;
        for (int i = 0; i < 5; ++i)
            versions << driver.getOlderVersionNumber(i);
        // The later product of a switch wins; switches are compared by case.
        QCOMPARE(versions, (QStringList{"1.0.0.70", "", "3.2.4.100", "", ""}));
    }
};

QTEST_MAIN(TestDriverInfo)
#include "tst_driverinfo.moc"
