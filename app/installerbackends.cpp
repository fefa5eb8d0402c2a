#include "app/installerbackends.h"

#include "backend/customsettings.h"
#include "backend/driverinfo.h"
#include "backend/packageregistry.h"
#include "platform/argumentsource.h"
#include "platform/registry.h"

#include <QQmlContext>

namespace {
CommandLine notedCommandLine(const ArgumentSource &arguments)
{
    CommandLine commandLine(arguments.arguments());
    commandLine.note();
    return commandLine;
}
} // namespace

InstallerBackends::InstallerBackends(const Platform &platform)
    : m_platform(platform)
    , m_commandLine(notedCommandLine(*platform.arguments))
    , m_run(*platform.launcher)
    , m_settings(std::make_unique<CustomSettings>(platform, m_commandLine, m_run))
    , m_driverInfo(std::make_unique<DriverInfo>(platform, m_commandLine, m_run))
{
    m_settings->enableShutdownPrivilege();
}

InstallerBackends::~InstallerBackends() = default;

void InstallerBackends::publish(QQmlContext *context)
{
    context->setContextProperty(QStringLiteral("qtInterface"), m_settings.get());
    context->setContextProperty(QStringLiteral("qtInterface1"), m_driverInfo.get());
    Registry *registry = m_platform.registry;
    HKEY makerKey = nullptr;
    if (registry->openKey(PackageRegistry::makerKeyPath, &makerKey) == Registry::Success) {
        m_driverInfo->query(makerKey);
        registry->closeKey(makerKey);
    }
}
