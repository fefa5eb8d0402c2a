#include "backend/drivercatalogue.h"

#include <QStringList>

namespace {

// Install catalogue: switch, display name (nullptr: "ZYM <key> Driver"),
// version on Windows 7 or Vista, version on other Windows.
struct InstallRow
{
    const char *componentSwitch;
    const char *name;
    const char *olderVersion;
    const char *version;
};

const InstallRow kInstallCatalogue[] = {
    {"/SETZYM_RAID", "ZYM AHCI Compatible SATA RAID Driver", "8.1.0.26", "9.2.0.87"},
    {"/SETRAIDMAVEL", "ZYM RAIDMavel2 Utility", "8.1.0.70", "9.2.0.87"},
    {"/SETGPIO2", "ZYM GPIO Driver", "2.2.0.126", "2.2.0.126"},
    {"/SETI2C", nullptr, "1.2.0.99", "1.2.0.99"},
    {"/SETIOV_WT", "NULL Driver for ZYM IOMMU Devices", "1.2.0.43", "1.2.0.47"},
    {"/SETPCI", "ZYM PCI Device Driver", "1.0.0.67", "1.0.0.75"},
    {"/SETUART", nullptr, "1.2.0.106", "1.2.0.106"},
    {"/SETPSHED", nullptr, "1.0.0.25", "1.0.0.25"},
    {"/SETSMBUS_WT", "ZYM SMBus Driver", "5.12.0.38", "5.12.0.38"},
    {"/SETGPIO3", "ZYM GPIO Driver (for Quillmount)", "2.0.1.0", "2.0.1.0"},
    {"/SETKALTOPPKG", "ZYM Kalto Power Plan", "5.0.0.0", "5.0.0.0"},
    {"/SETKSP", nullptr, "4.5.0.0", "4.11.0.0"},
    {"/SETZV4ACPI", "ZYM Velmora ACPI Driver", "1.2.0.46", "1.2.0.46"},
    {"/SETUSBHUB", "ZYM USB 3.0 Hub Driver", "2.0.0.48", "2.0.0.48"},
    {"/SETUSBCNTRL", "ZYM USB 3.0 Host Controller Driver", "2.0.0.48", "2.0.0.48"},
    {"/SETUSBHUB_PT", "ZYM USB 3.1 Hub Driver", "1.0.5.3", "1.0.5.3"},
    {"/SETUSBCNTRL_PT", "ZYM USB 3.1 Host Controller Driver", "1.0.5.3", "1.0.5.3"},
    {"/SETSATA", "ZYM SATA Controller Driver", "1.2.1.402", "1.2.1.402"},
    {"/SETQXHI2C", "ZYM QXH KMDF I2C Driver", "1.0.0.80", "1.0.0.80"},
    {"/SETQXHDRVR", "ZYM Pellix Driver", "1.0.0.299", "1.0.0.299"},
    {"/SETUSBCNTRL_HD", "ZYM USB 3.0 Host Controller Driver", "1.1.0.276", "1.1.0.276"},
    {"/SETUSBHUB_HD", "ZYM USB 3.0 Hub Driver", "1.1.0.276", "1.1.0.276"},
    {"/SETSMBUS", "ZYM SMBus Driver", "5.12.0.38", "5.12.0.38"},
    {"/SETBL_RAID", "ZYM AHCI Compatible SATA RAID Driver", "6.1.4.59", "6.1.5.25"},
    {"/SETBL_MAVELRAID", "ZYM RAIDMavel2 Utility", "6.1.5.22", "6.1.5.22"},
    {"/SETFILTERUSB", "ZYM USB Filter Driver", "2.1.11.287", "2.1.11.304"},
    {"/SETCIR", "ZYM Consumer Infrared Driver", "3.2.4.110", "3.2.4.135"},
    {"/SETNUVL", "ZYM Nuvel Driver", "1.0.25.0", "1.0.25.0"},
    {"/SETUSB31", "ZYM USB 3.1 Driver", "1.0.0.12", "1.0.0.12"},
};

// Removal catalogue: the features the removal page names and versions.
// A listed key takes the versions of its install row; its name is the one
// given here, or "ZYM <key> Driver" for nullptr. Unlisted keys get that
// default name and no version.
struct RemovalRow
{
    const char *featureKey;
    const char *name;
};

const RemovalRow kRemovalCatalogue[] = {
    {"ZYM_RAID", nullptr},
    {"RAIDMAVEL", nullptr},
    {"I2C", nullptr},
    {"IOV_WT", "NULL Driver for ZYM IOMMU Devices"},
    {"PCI", "ZYM PCI Device Driver"},
    {"UART", nullptr},
    {"PSHED", nullptr},
    {"SMBUS_WT", "ZYM SMBus Driver"},
    {"GPIO3", nullptr},
    {"KALTOPPKG", "ZYM Kalto Power Plan"},
    {"KSP", nullptr},
    {"QXHI2C", "ZYM QXH KMDF I2C Driver"},
    {"QXHDRVR", "ZYM Pellix Driver"},
    {"SMBUS", "ZYM SMBus Driver"},
    {"BL_RAID", nullptr},
    {"BL_MAVELRAID", "ZYM RAIDMavel2 Utility"},
    {"CIR", "ZYM Consumer Infrared Driver"},
    {"ZV4ACPI", "ZYM Velmora ACPI Driver"},
    {"NUVL", "ZYM Nuvel Driver"},
};

const InstallRow *findInstallRow(const QString &componentSwitch)
{
    for (const InstallRow &row : kInstallCatalogue) {
        if (componentSwitch == QLatin1String(row.componentSwitch))
            return &row;
    }
    return nullptr;
}

const RemovalRow *findRemovalRow(const QString &featureKey)
{
    for (const RemovalRow &row : kRemovalCatalogue) {
        if (featureKey == QLatin1String(row.featureKey))
            return &row;
    }
    return nullptr;
}

QString defaultName(const QString &featureKey)
{
    return QStringLiteral("ZYM ") + featureKey + QStringLiteral(" Driver");
}

} // namespace

QString DriverCatalogue::featureKey(const QString &componentSwitch)
{
    return componentSwitch.mid(4);
}

QString DriverCatalogue::installName(const QString &componentSwitch)
{
    const InstallRow *row = findInstallRow(componentSwitch);
    return row && row->name ? QString::fromUtf8(row->name) : defaultName(featureKey(componentSwitch));
}

bool DriverCatalogue::knows(const QString &componentSwitch)
{
    return findInstallRow(componentSwitch) != nullptr;
}

QString DriverCatalogue::spelling(const QString &componentSwitch)
{
    for (const InstallRow &row : kInstallCatalogue) {
        if (componentSwitch.compare(QLatin1String(row.componentSwitch), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(row.componentSwitch);
    }
    return QString();
}

QString DriverCatalogue::installVersion(const QString &componentSwitch, bool olderWindows)
{
    const InstallRow *row = findInstallRow(componentSwitch);
    if (!row)
        return QString();
    return QString::fromLatin1(olderWindows ? row->olderVersion : row->version);
}

QString DriverCatalogue::removalName(const QString &featureKey)
{
    const RemovalRow *row = findRemovalRow(featureKey);
    return row && row->name ? QString::fromUtf8(row->name) : defaultName(featureKey);
}

QString DriverCatalogue::removalVersion(const QString &featureKey, bool olderWindows)
{
    if (!findRemovalRow(featureKey))
        return QString();
    return installVersion(QStringLiteral("/SET") + featureKey, olderWindows);
}

const QStringList &DriverCatalogue::removalExclusions()
{
    static const QStringList exclusions = {
        QStringLiteral("raid"),        QStringLiteral("Drivers"),    QStringLiteral("GPIO2"),
        QStringLiteral("USBHUB"),      QStringLiteral("USBCNTRL"),   QStringLiteral("USBHUB_PT"),
        QStringLiteral("USBCNTRL_PT"), QStringLiteral("SATA"),       QStringLiteral("USBCNTRL_HD"),
        QStringLiteral("USBHUB_HD"),   QStringLiteral("BL_RAID"),    QStringLiteral("FILTERUSB"),
        QStringLiteral("GPIO3"),       QStringLiteral("USB31"),
    };
    return exclusions;
}

QStringList DriverCatalogue::removableFeatures(const QString &deployedFeatures)
{
    QStringList features = deployedFeatures.split(QLatin1Char(','), Qt::KeepEmptyParts);
    for (const QString &excluded : removalExclusions())
        features.removeOne(excluded);
    return features;
}

int DriverCatalogue::installRowCount()
{
    return int(sizeof(kInstallCatalogue) / sizeof(kInstallCatalogue[0]));
}
