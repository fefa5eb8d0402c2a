#include "app/productionplatform.h"

#include "app/uilanguage.h"
#include "platform/qt/applicationarguments.h"
#include "platform/qt/processenvironment.h"
#include "platform/qt/qtsysteminfo.h"

#if defined(Q_OS_WIN)
#include "platform/qt/qprocesslauncher.h"
#include "platform/windows/win32/win32commandline.h"
#include "platform/windows/win32/win32mutex.h"
#include "platform/windows/win32/win32shutdown.h"
#include "platform/windows/winerrorbox.h"
#include "platform/windows/winprogramresolver.h"
#include "platform/windows/winprogramtrust.h"
#include "platform/windows/winregistry.h"
#include "platform/windows/winurlopener.h"
#else
#include "backend/packageregistry.h"
#include "platform/simulated/lockfileinstancelock.h"
#include "platform/simulated/regfileregistry.h"
#include "platform/simulated/simulateddrive.h"
#include "platform/simulated/simulatedprocesslauncher.h"
#include "platform/simulated/simulatedprogramtrust.h"
#include "platform/simulated/simulatedshutdown.h"
#include "platform/qt/desktopurlopener.h"
#include "platform/qt/quickerrorbox.h"

#include <QDebug>
#include <QStandardPaths>
#endif

namespace {

const QString kInstanceName = QStringLiteral("COMM-ZYM-APPS-KPQ_DRIVER_INSTALLER");

QStringList commandLine(int argc, char **argv)
{
    QStringList arguments;
#if defined(Q_OS_WIN)
    Q_UNUSED(argc)
    Q_UNUSED(argv)
    for (const std::wstring &argument : Win32CommandLine::arguments())
        arguments.append(QString::fromStdWString(argument));
#else
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
#endif
    return arguments;
}

} // namespace

ProductionPlatform::ProductionPlatform(int argc, char **argv)
    : m_environment(std::make_unique<ProcessEnvironment>())
    , m_systemInfo(std::make_unique<QtSystemInfo>())
    , m_arguments(std::make_unique<ApplicationArguments>(commandLine(argc, argv)))
{
#if defined(Q_OS_WIN)
    m_urlOpener = std::make_unique<WinUrlOpener>();
    m_errorBox = std::make_unique<WinErrorBox>();
    m_registry = std::make_unique<WinRegistry>();
    m_launcher = std::make_unique<QProcessLauncher>(&WinProgramResolver::resolve);
    m_shutdown = std::make_unique<Win32Shutdown>();
    m_programTrust = std::make_unique<WinProgramTrust>();
    m_instanceLock = std::make_unique<Win32Mutex>();
#else
    m_urlOpener = std::make_unique<DesktopUrlOpener>();
    m_errorBox = std::make_unique<QuickErrorBox>();
    auto registry = std::make_unique<RegFileRegistry>(qEnvironmentVariable("CHIPSET_INSTALLER_REGISTRY"));
    // Whoever prepared the file learns at once why the front-end offers what it offers.
    for (const QString &problem : registry->problems(PackageRegistry::makerKeyPath))
        qWarning().noquote() << problem;
    m_registry = std::move(registry);
    const QString drive = qEnvironmentVariable("CHIPSET_INSTALLER_DRIVE");
    m_launcher = std::make_unique<SimulatedProcessLauncher>(SimulatedDrive(drive));
    m_programTrust = std::make_unique<SimulatedProgramTrust>(drive);
    m_shutdown = std::make_unique<SimulatedShutdown>();
    m_instanceLock = std::make_unique<LockFileInstanceLock>(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), kInstanceName);
#endif
}

ProductionPlatform::~ProductionPlatform() = default;

InstallerApp::Seams ProductionPlatform::seams() const
{
    const Platform platform(*m_registry, *m_launcher, *m_shutdown, *m_environment, *m_systemInfo, *m_urlOpener,
                            *m_arguments, *m_programTrust);
    return InstallerApp::Seams(platform, *m_instanceLock, *m_errorBox, UiLanguage::userLanguages(*m_environment));
}
