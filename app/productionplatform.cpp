#include "productionplatform.h"

#include "applicationarguments.h"
#include "desktopurlopener.h"
#include "processenvironment.h"
#include "qtsysteminfo.h"

#if defined(Q_OS_WIN)
#include "qprocesslauncher.h"
#include "windows/winmutexinstancelock.h"
#include "windows/winregistry.h"
#include "windows/winshutdown.h"
#else
#include "lockfileinstancelock.h"
#include "packageregistry.h"
#include "regfileregistry.h"
#include "simulateddrive.h"
#include "simulatedprocesslauncher.h"
#include "simulatedshutdown.h"

#include <QDebug>
#include <QStandardPaths>
#endif

namespace {
const QString kInstanceName = QStringLiteral("COMM-ZYM-APPS-KPQ_DRIVER_INSTALLER");
}

ProductionPlatform::ProductionPlatform()
    : m_environment(std::make_unique<ProcessEnvironment>())
    , m_systemInfo(std::make_unique<QtSystemInfo>())
    , m_urlOpener(std::make_unique<DesktopUrlOpener>())
    , m_arguments(std::make_unique<ApplicationArguments>())
{
#if defined(Q_OS_WIN)
    m_registry = std::make_unique<WinRegistry>();
    m_launcher = std::make_unique<QProcessLauncher>();
    m_shutdown = std::make_unique<WinShutdown>();
    m_instanceLock = std::make_unique<WinMutexInstanceLock>();
#else
    auto registry = std::make_unique<RegFileRegistry>(qEnvironmentVariable("CHIPSET_INSTALLER_REGISTRY"));
    // Whoever prepared the file learns at once why the front-end offers what it offers.
    for (const QString &problem : registry->problems(PackageRegistry::makerKeyPath))
        qWarning().noquote() << problem;
    m_registry = std::move(registry);
    m_launcher = std::make_unique<SimulatedProcessLauncher>(SimulatedDrive(qEnvironmentVariable("CHIPSET_INSTALLER_DRIVE")));
    m_shutdown = std::make_unique<SimulatedShutdown>();
    m_instanceLock = std::make_unique<LockFileInstanceLock>(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), kInstanceName);
#endif
}

ProductionPlatform::~ProductionPlatform() = default;

InstallerApp::Seams ProductionPlatform::seams() const
{
    InstallerApp::Seams seams;
    seams.platform.registry = m_registry.get();
    seams.platform.launcher = m_launcher.get();
    seams.platform.shutdown = m_shutdown.get();
    seams.platform.environment = m_environment.get();
    seams.platform.systemInfo = m_systemInfo.get();
    seams.platform.urlOpener = m_urlOpener.get();
    seams.platform.arguments = m_arguments.get();
    seams.instanceLock = m_instanceLock.get();
    return seams;
}
