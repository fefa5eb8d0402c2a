#include "backend/drivercatalogue.h"

#include <QtTest>

// The two catalogues are data the package documents row by row; these tables
// repeat that documentation so a mistyped name or version shows up.
class TestDriverCatalogue final : public QObject
{
    Q_OBJECT

private slots:
    void installCatalogue_data();
    void installCatalogue();
    void installCatalogueHasNoOtherRows();
    void switchesOutsideTheCatalogue_data();
    void switchesOutsideTheCatalogue();
    void removalCatalogue_data();
    void removalCatalogue();
    void removalExclusions();
};

void TestDriverCatalogue::installCatalogue_data()
{
    QTest::addColumn<QString>("componentSwitch");
    QTest::addColumn<QString>("featureKey");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("olderVersion");
    QTest::addColumn<QString>("version");

    const struct
    {
        const char *componentSwitch, *key, *name, *older, *other;
    } rows[] = {
        {"/SETZYM_RAID", "ZYM_RAID", "ZYM AHCI Compatible SATA RAID Driver", "8.1.0.26", "9.2.0.87"},
        {"/SETRAIDMAVEL", "RAIDMAVEL", "ZYM RAIDMavel2 Utility", "8.1.0.70", "9.2.0.87"},
        {"/SETGPIO2", "GPIO2", "ZYM GPIO Driver", "2.2.0.126", "2.2.0.126"},
        {"/SETI2C", "I2C", "ZYM I2C Driver", "1.2.0.99", "1.2.0.99"},
        {"/SETIOV_WT", "IOV_WT", "NULL Driver for ZYM IOMMU Devices", "1.2.0.43", "1.2.0.47"},
        {"/SETPCI", "PCI", "ZYM PCI Device Driver", "1.0.0.67", "1.0.0.75"},
        {"/SETUART", "UART", "ZYM UART Driver", "1.2.0.106", "1.2.0.106"},
        {"/SETPSHED", "PSHED", "ZYM PSHED Driver", "1.0.0.25", "1.0.0.25"},
        {"/SETSMBUS_WT", "SMBUS_WT", "ZYM SMBus Driver", "5.12.0.38", "5.12.0.38"},
        {"/SETGPIO3", "GPIO3", "ZYM GPIO Driver (for Quillmount)", "2.0.1.0", "2.0.1.0"},
        {"/SETKALTOPPKG", "KALTOPPKG", "ZYM Kalto Power Plan", "5.0.0.0", "5.0.0.0"},
        {"/SETKSP", "KSP", "ZYM KSP Driver", "4.5.0.0", "4.11.0.0"},
        {"/SETZV4ACPI", "ZV4ACPI", "ZYM Velmora ACPI Driver", "1.2.0.46", "1.2.0.46"},
        {"/SETUSBHUB", "USBHUB", "ZYM USB 3.0 Hub Driver", "2.0.0.48", "2.0.0.48"},
        {"/SETUSBCNTRL", "USBCNTRL", "ZYM USB 3.0 Host Controller Driver", "2.0.0.48", "2.0.0.48"},
        {"/SETUSBHUB_PT", "USBHUB_PT", "ZYM USB 3.1 Hub Driver", "1.0.5.3", "1.0.5.3"},
        {"/SETUSBCNTRL_PT", "USBCNTRL_PT", "ZYM USB 3.1 Host Controller Driver", "1.0.5.3", "1.0.5.3"},
        {"/SETSATA", "SATA", "ZYM SATA Controller Driver", "1.2.1.402", "1.2.1.402"},
        {"/SETQXHI2C", "QXHI2C", "ZYM QXH KMDF I2C Driver", "1.0.0.80", "1.0.0.80"},
        {"/SETQXHDRVR", "QXHDRVR", "ZYM Pellix Driver", "1.0.0.299", "1.0.0.299"},
        {"/SETUSBCNTRL_HD", "USBCNTRL_HD", "ZYM USB 3.0 Host Controller Driver", "1.1.0.276", "1.1.0.276"},
        {"/SETUSBHUB_HD", "USBHUB_HD", "ZYM USB 3.0 Hub Driver", "1.1.0.276", "1.1.0.276"},
        {"/SETSMBUS", "SMBUS", "ZYM SMBus Driver", "5.12.0.38", "5.12.0.38"},
        {"/SETBL_RAID", "BL_RAID", "ZYM AHCI Compatible SATA RAID Driver", "6.1.4.59", "6.1.5.25"},
        {"/SETBL_MAVELRAID", "BL_MAVELRAID", "ZYM RAIDMavel2 Utility", "6.1.5.22", "6.1.5.22"},
        {"/SETFILTERUSB", "FILTERUSB", "ZYM USB Filter Driver", "2.1.11.287", "2.1.11.304"},
        {"/SETCIR", "CIR", "ZYM Consumer Infrared Driver", "3.2.4.110", "3.2.4.135"},
        {"/SETNUVL", "NUVL", "ZYM Nuvel Driver", "1.0.25.0", "1.0.25.0"},
        {"/SETUSB31", "USB31", "ZYM USB 3.1 Driver", "1.0.0.12", "1.0.0.12"},
    };
    for (const auto &row : rows) {
        QTest::newRow(row.componentSwitch) << QString::fromLatin1(row.componentSwitch) << QString::fromLatin1(row.key)
                                           << QString::fromLatin1(row.name) << QString::fromLatin1(row.older)
                                           << QString::fromLatin1(row.other);
    }
}

void TestDriverCatalogue::installCatalogue()
{
    QFETCH(QString, componentSwitch);
    QFETCH(QString, featureKey);
    QFETCH(QString, name);
    QFETCH(QString, olderVersion);
    QFETCH(QString, version);

    QCOMPARE(DriverCatalogue::featureKey(componentSwitch), featureKey);
    QCOMPARE(DriverCatalogue::installName(componentSwitch), name);
    QCOMPARE(DriverCatalogue::installVersion(componentSwitch, true), olderVersion);
    QCOMPARE(DriverCatalogue::installVersion(componentSwitch, false), version);
}

// An extra row would offer a version for a switch the package does not know.
void TestDriverCatalogue::installCatalogueHasNoOtherRows()
{
    QCOMPARE(DriverCatalogue::installRowCount(), 29);
}

void TestDriverCatalogue::switchesOutsideTheCatalogue_data()
{
    QTest::addColumn<QString>("componentSwitch");
    QTest::addColumn<QString>("featureKey");
    QTest::addColumn<QString>("name");

    QTest::newRow("unknown switch gets the default name") << "/SETFOO" << "FOO" << "ZYM FOO Driver";
    QTest::newRow("lower case is not the catalogue's /SETPCI") << "/setpci" << "pci" << "ZYM pci Driver";
    QTest::newRow("repeated RAID marker is a plain row") << "/SET_RAIDSATA" << "_RAIDSATA" << "ZYM _RAIDSATA Driver";
    QTest::newRow("two-character token has an empty key") << "/U" << "" << "ZYM  Driver";
    QTest::newRow("four-character token has an empty key") << "/SET" << "" << "ZYM  Driver";
    QTest::newRow("only the first four characters go, whatever they are") << "ABCDPCI" << "PCI" << "ZYM PCI Driver";
    QTest::newRow("catalogue switch with a trailing blank") << "/SETPCI " << "PCI " << "ZYM PCI  Driver";
}

void TestDriverCatalogue::switchesOutsideTheCatalogue()
{
    QFETCH(QString, componentSwitch);
    QFETCH(QString, featureKey);
    QFETCH(QString, name);

    QCOMPARE(DriverCatalogue::featureKey(componentSwitch), featureKey);
    QCOMPARE(DriverCatalogue::installName(componentSwitch), name);
    QVERIFY(DriverCatalogue::installVersion(componentSwitch, true).isEmpty());
    QVERIFY(DriverCatalogue::installVersion(componentSwitch, false).isEmpty());
}

void TestDriverCatalogue::removalCatalogue_data()
{
    QTest::addColumn<QString>("featureKey");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("olderVersion");
    QTest::addColumn<QString>("version");

    const struct
    {
        const char *key, *name, *older, *other;
    } rows[] = {
        // Named and versioned.
        {"PCI", "ZYM PCI Device Driver", "1.0.0.67", "1.0.0.75"},
        {"IOV_WT", "NULL Driver for ZYM IOMMU Devices", "1.2.0.43", "1.2.0.47"},
        {"SMBUS_WT", "ZYM SMBus Driver", "5.12.0.38", "5.12.0.38"},
        {"SMBUS", "ZYM SMBus Driver", "5.12.0.38", "5.12.0.38"},
        {"KALTOPPKG", "ZYM Kalto Power Plan", "5.0.0.0", "5.0.0.0"},
        {"ZV4ACPI", "ZYM Velmora ACPI Driver", "1.2.0.46", "1.2.0.46"},
        {"QXHI2C", "ZYM QXH KMDF I2C Driver", "1.0.0.80", "1.0.0.80"},
        {"QXHDRVR", "ZYM Pellix Driver", "1.0.0.299", "1.0.0.299"},
        {"BL_MAVELRAID", "ZYM RAIDMavel2 Utility", "6.1.5.22", "6.1.5.22"},
        {"CIR", "ZYM Consumer Infrared Driver", "3.2.4.110", "3.2.4.135"},
        {"NUVL", "ZYM Nuvel Driver", "1.0.25.0", "1.0.25.0"},
        // Versioned under the default name, which keeps the whole key.
        {"ZYM_RAID", "ZYM ZYM_RAID Driver", "8.1.0.26", "9.2.0.87"},
        {"RAIDMAVEL", "ZYM RAIDMAVEL Driver", "8.1.0.70", "9.2.0.87"},
        {"I2C", "ZYM I2C Driver", "1.2.0.99", "1.2.0.99"},
        {"UART", "ZYM UART Driver", "1.2.0.106", "1.2.0.106"},
        {"PSHED", "ZYM PSHED Driver", "1.0.0.25", "1.0.0.25"},
        {"GPIO3", "ZYM GPIO3 Driver", "2.0.1.0", "2.0.1.0"},
        {"KSP", "ZYM KSP Driver", "4.5.0.0", "4.11.0.0"},
        {"BL_RAID", "ZYM BL_RAID Driver", "6.1.4.59", "6.1.5.25"},
        // Install-catalogue keys without a removal version.
        {"GPIO2", "ZYM GPIO2 Driver", "", ""},
        {"USBHUB", "ZYM USBHUB Driver", "", ""},
        {"USBCNTRL", "ZYM USBCNTRL Driver", "", ""},
        {"USBHUB_PT", "ZYM USBHUB_PT Driver", "", ""},
        {"USBCNTRL_PT", "ZYM USBCNTRL_PT Driver", "", ""},
        {"SATA", "ZYM SATA Driver", "", ""},
        {"USBCNTRL_HD", "ZYM USBCNTRL_HD Driver", "", ""},
        {"USBHUB_HD", "ZYM USBHUB_HD Driver", "", ""},
        {"FILTERUSB", "ZYM FILTERUSB Driver", "", ""},
        {"USB31", "ZYM USB31 Driver", "", ""},
        // Keys the package does not know.
        {"pci", "ZYM pci Driver", "", ""},
        {"", "ZYM  Driver", "", ""},
        {"raid", "ZYM raid Driver", "", ""},
    };
    for (const auto &row : rows) {
        QTest::newRow(*row.key ? row.key : "empty key") << QString::fromLatin1(row.key) << QString::fromLatin1(row.name)
                                                        << QString::fromLatin1(row.older) << QString::fromLatin1(row.other);
    }
}

void TestDriverCatalogue::removalCatalogue()
{
    QFETCH(QString, featureKey);
    QFETCH(QString, name);
    QFETCH(QString, olderVersion);
    QFETCH(QString, version);

    QCOMPARE(DriverCatalogue::removalName(featureKey), name);
    QCOMPARE(DriverCatalogue::removalVersion(featureKey, true), olderVersion);
    QCOMPARE(DriverCatalogue::removalVersion(featureKey, false), version);
}

void TestDriverCatalogue::removalExclusions()
{
    const QStringList expected = {
        QStringLiteral("raid"),      QStringLiteral("Drivers"),     QStringLiteral("GPIO2"),
        QStringLiteral("USBHUB"),    QStringLiteral("USBCNTRL"),    QStringLiteral("USBHUB_PT"),
        QStringLiteral("USBCNTRL_PT"), QStringLiteral("SATA"),      QStringLiteral("USBCNTRL_HD"),
        QStringLiteral("USBHUB_HD"), QStringLiteral("BL_RAID"),     QStringLiteral("FILTERUSB"),
        QStringLiteral("GPIO3"),     QStringLiteral("USB31"),
    };
    QCOMPARE(DriverCatalogue::removalExclusions(), expected);
}

QTEST_MAIN(TestDriverCatalogue)
#include "tst_drivercatalogue.moc"
