#include "backend/packageregistry.h"

#include "platform/registry.h"
#include "platform/systeminfo.h"

#include "backend/logging.h"

const QString PackageRegistry::makerKeyPath = QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\");
const QString PackageRegistry::restartFlagKeyPath = QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers");

PackageRegistry::PackageRegistry(const Registry *registry, const SystemInfo *systemInfo)
    : m_registry(registry)
    , m_systemInfo(systemInfo)
{
}

QString PackageRegistry::viewRoot() const
{
    return m_systemInfo->cpuArchitecture() == QLatin1String("x86_64")
        ? QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\")
        : QStringLiteral("HKLM\\SOFTWARE\\ZYM\\");
}

QString PackageRegistry::packageKey() const
{
    return viewRoot() + QStringLiteral("ZYM_Chipset_Drivers");
}

QString PackageRegistry::ioDriverKey() const
{
    return viewRoot() + QStringLiteral("ZYM_Chipset_IODrivers");
}

QString PackageRegistry::read(const QString &keyPath, const QString &name) const
{
    const QString text = m_registry->readText(keyPath, name);
    return text.isNull() ? QString(QLatin1String("")) : text;
}

bool PackageRegistry::isRestartRequired() const
{
    const QString status = read(restartFlagKeyPath, QStringLiteral("REBOOTSTATUS"));
    const bool required = status.compare(QLatin1String("YES"), Qt::CaseInsensitive) == 0;
    qCDebug(lcRegistry).noquote() << "REBOOTSTATUS" << status << (required ? "asks for a restart" : "asks for no restart");
    return required;
}

bool PackageRegistry::isOlderWindows() const
{
    const QString version = m_systemInfo->productVersion();
    return version.compare(QLatin1String("7"), Qt::CaseInsensitive) == 0
        || version.contains(QLatin1String("7SP"), Qt::CaseInsensitive)
        || version.contains(QLatin1String("vista"), Qt::CaseInsensitive);
}

bool PackageRegistry::isPackageInstalled() const
{
    return !read(ioDriverKey(), QStringLiteral("InstallationPath")).isEmpty();
}

QString PackageRegistry::deployedFeatures() const
{
    return read(ioDriverKey(), QStringLiteral("DeployedFeatures"));
}

QStringList PackageRegistry::productKeyNames(Registry &registry, HKEY makerKey)
{
    Registry::KeyInfo info;
    if (registry.queryInfo(makerKey, &info) != Registry::Success)
        info.subKeyCount = 0;
    QStringList names;
    for (int i = 0; i < info.subKeyCount; ++i) {
        QString name;
        if (registry.enumKey(makerKey, i, &name) == Registry::Success)
            names << name;
    }
    return names;
}

PackageRegistry::Product PackageRegistry::product(const QString &keyName) const
{
    const QString path = makerKeyPath + keyName;
    return {keyName, m_registry->readText(path, QStringLiteral("prdtcmd")), read(path, QStringLiteral("ProductVersion"))};
}

QString PackageRegistry::launchedFrom() const
{
    return read(packageKey(), QStringLiteral("iamlaunchedfrom"));
}

bool PackageRegistry::isLaunchedFromExtractionFolder() const
{
    return launchedFrom().contains(QLatin1String("C:\\ZYM"), Qt::CaseInsensitive);
}
