#include "backend/driverinfo.h"

#include "platform/argumentsource.h"
#include "backend/drivercatalogue.h"
#include "backend/installcommand.h"
#include "platform/processlauncher.h"
#include "backend/processstart.h"
#include "backend/logging.h"
#include "backend/productpaths.h"
#include "platform/registry.h"

DriverInfo::DriverInfo(const Platform &platform, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_packageRegistry(platform.registry, platform.systemInfo)
    , m_commandLine(platform.arguments->arguments())
    , m_processInstall(platform.launcher->createRunner())
{
    variableInitialization();
    // Said once, to whoever made the command line: the page shows no tile for it.
    const QStringList unknownSwitches = m_commandLine.isRemoval() ? QStringList() : m_commandLine.unknownSwitches();
    for (const QString &unknown : unknownSwitches)
        qCWarning(lcCommandLine).noquote() << "unknown switch" << unknown
                                           << "has no tile: it is passed to the setup program with the drivers chosen";
}

DriverInfo::~DriverInfo() = default;

QString DriverInfo::lastCommand() const
{
    return m_strLastCommand;
}

void DriverInfo::variableInitialization()
{
    m_strSetupCommand = ProductPaths::quotedSetupProgram(m_platform.arguments->applicationDirPath());
    m_strMsiExecPath = ProductPaths::msiExec;
}

QString DriverInfo::setupProgram() const
{
    return m_strSetupCommand.mid(1, m_strSetupCommand.size() - 2);
}

int DriverInfo::getNumberOfDrivers()
{
    m_lstDriverSwitches = m_commandLine.switches();
    m_vecCheckboxStatus.fill(1, m_lstDriverSwitches.size());
    return m_lstDriverSwitches.size();
}

QString DriverInfo::setDriverName(int iIndex)
{
    qCDebug(lcScene) << "name of install row" << iIndex;
    if (iIndex < 0 || iIndex >= m_lstDriverSwitches.size())
        return QString();
    return DriverCatalogue::installName(m_lstDriverSwitches.at(iIndex));
}

QString DriverInfo::getDriverName(int iIndex)
{
    qCDebug(lcProcess) << "feature key of install row" << iIndex;
    if (iIndex < 0 || iIndex >= m_lstDriverSwitches.size())
        return QString();
    return DriverCatalogue::featureKey(m_lstDriverSwitches.at(iIndex));
}

void DriverInfo::getCheckboxStatus(bool bstatus, int iIndex)
{
    if (iIndex >= 0 && iIndex < m_vecCheckboxStatus.size())
        m_vecCheckboxStatus[iIndex] = bstatus ? 1 : 0;
}

bool DriverInfo::getOSVersion()
{
    return m_packageRegistry.isOlderWindows();
}

QString DriverInfo::setVersionNumber(int iIndex)
{
    if (iIndex < 0 || iIndex >= m_lstDriverSwitches.size())
        return QString();
    return DriverCatalogue::installVersion(m_lstDriverSwitches.at(iIndex), getOSVersion());
}

QString DriverInfo::setVersionNumberForUninstall(int iIndex)
{
    if (iIndex < 0 || iIndex >= m_lstUninstallableFeatures.size())
        return QString();
    return DriverCatalogue::removalVersion(m_lstUninstallableFeatures.at(iIndex), getOSVersion());
}

bool DriverInfo::isDriverInstalled(QString strDriverName)
{
    Q_UNUSED(strDriverName) // the answer concerns the package as a whole
    return !m_packageRegistry.read(m_packageRegistry.ioDriverKey(), QStringLiteral("InstallationPath")).isEmpty();
}

int DriverInfo::installbutton()
{
    m_strInstallProperties.clear();
    const InstallCommand command = InstallCommand::install(
        setupProgram(), m_lstDriverSwitches, m_vecCheckboxStatus, [this](int row) { return isDriverInstalled(getDriverName(row)); });
    m_strInstallProperties = command.properties;
    m_strLastCommand = command.text;
    m_bLastRunRemoval = false;
    if (command.program.isEmpty()) {
        qCDebug(lcProcess) << "no driver shown is ticked: no installer started";
        return 0;
    }
    const int result = ProcessStart::startAndWait(*m_processInstall, command.program, command.arguments);
    qCDebug(lcProcess).noquote() << command.program << (result ? "started" : "failed to start");
    return result;
}

int DriverInfo::uninstallbutton()
{
    m_strInstallProperties.clear();
    const InstallCommand command =
        InstallCommand::removal(m_strMsiExecPath, m_strProductCode, m_lstUninstallableFeatures, m_vecCheckboxStatus);
    m_strInstallProperties = command.properties;
    m_strLastCommand = command.text;
    m_bLastRunRemoval = true;
    if (!InstallCommand::isProductCode(m_strProductCode)) {
        qCDebug(lcProcess).noquote() << "not starting a removal of malformed product code" << m_strProductCode;
        return 0;
    }
    return ProcessStart::startAndWait(*m_processInstall, command.program, command.arguments);
}

QString DriverInfo::getUnistallableDrivers(int index)
{
    getNumberOfUninstallableDrivers();
    if (index < 0 || index >= m_lstUninstallableFeatures.size())
        return QString();
    return DriverCatalogue::removalName(m_lstUninstallableFeatures.at(index));
}

int DriverInfo::getNumberOfUninstallableDrivers()
{
    const QString deployed = m_packageRegistry.read(m_packageRegistry.ioDriverKey(), QStringLiteral("DeployedFeatures"));
    m_lstUninstallableFeatures = DriverCatalogue::removableFeatures(deployed);
    m_vecCheckboxStatus.fill(1, m_lstUninstallableFeatures.size());
    return m_lstUninstallableFeatures.size();
}

void DriverInfo::getCheckboxStatusForUninstall(bool bstatus, int iIndex)
{
    getCheckboxStatus(bstatus, iIndex);
}

bool DriverInfo::getCommandLineArguments()
{
    if (!m_commandLine.isRemoval())
        return false;
    m_strProductCode = m_commandLine.productCode();
    return true;
}

int DriverInfo::isRunning()
{
    return ProcessStart::isRunning(*m_processInstall);
}

bool DriverInfo::uninstallALLDrivers()
{
    for (qint32 tick : qAsConst(m_vecCheckboxStatus)) {
        if (tick == 0)
            return false;
    }
    return true;
}

void DriverInfo::queryKey(HKEY hKey, int RecursiveDepth)
{
    Registry *registry = m_platform.registry;
    Registry::KeyInfo info;
    if (registry->queryInfo(hKey, &info) != Registry::Success)
        return;
    qCDebug(lcRegistry) << "key holds" << info.valueCount << "values";

    // Ten value indices, whatever the key holds: the dump has always read so.
    for (int i = 0; i < 10; ++i) {
        QString name;
        const long retcode = registry->enumValue(hKey, i, &name);
        if (retcode != Registry::Success)
            continue;
        QByteArray data;
        if (registry->queryValue(hKey, name, &data) == Registry::Success) {
            data.truncate(info.maxValueDataLength);
            qCDebug(lcRegistry).noquote() << "value" << i + 1 << name << data.size() << QString::fromLatin1(data.toHex());
        }
    }

    if (info.subKeyCount == 0 || RecursiveDepth == 0)
        return;
    qCDebug(lcRegistry) << "key has" << info.subKeyCount << "subkeys";
    const int nextDepth = RecursiveDepth > 0 ? RecursiveDepth - 1 : RecursiveDepth;
    QStringList names;
    for (int i = 0; i < info.subKeyCount; ++i) {
        QString name;
        if (registry->enumKey(hKey, i, &name) == Registry::Success) {
            qCDebug(lcRegistry).noquote() << "subkey" << i + 1 << name;
            names << name;
        }
    }
    for (const QString &name : qAsConst(names)) {
        HKEY subKey = nullptr;
        if (registry->openSubKey(hKey, name, &subKey) == Registry::Success) {
            queryKey(subKey, nextDepth);
            registry->closeKey(subKey);
        }
    }
}

void DriverInfo::query(HKEY hKey)
{
    Registry *registry = m_platform.registry;
    Registry::KeyInfo info;
    if (registry->queryInfo(hKey, &info) != Registry::Success)
        info.subKeyCount = 0;

    if (info.subKeyCount > 0) {
        qCDebug(lcRegistry) << "maker key has" << info.subKeyCount << "product subkeys";
        for (int i = 0; i < info.subKeyCount; ++i) {
            QString name;
            if (registry->enumKey(hKey, i, &name) != Registry::Success)
                continue;
            m_vecProductKeys.append(name);
        }
    }

    for (const QString &name : qAsConst(m_vecProductKeys)) {
        const QString path = PackageRegistry::makerKeyPath + name;
        const QString version = m_packageRegistry.read(path, QStringLiteral("ProductVersion"));
        const QString command = registry->readText(path, QStringLiteral("prdtcmd"));
        if (command.isNull()) {
            qCDebug(lcRegistry).noquote() << "product" << path << "names no switch (no prdtcmd)";
        } else {
            m_mapInstalledVersions.insert(command, version);
            qCDebug(lcRegistry).noquote() << "installed:" << command << "version" << version;
        }
    }
}

QString DriverInfo::getOlderVersionNumber(int index)
{
    const QString version = index >= 0 && index < m_lstDriverSwitches.size()
        ? m_mapInstalledVersions.value(m_lstDriverSwitches.at(index))
        : QString();
    qCDebug(lcRegistry).noquote() << "installed version of install row" << index << (version.isEmpty() ? "(none)" : version);
    return version;
}

bool DriverInfo::isRestartRequired()
{
    return m_packageRegistry.isRestartRequired();
}

InstallOutcome DriverInfo::outcome()
{
    const bool crashed = m_processInstall->exitStatus() == QProcess::CrashExit;
    const int exitCode = m_processInstall->exitCode();
    // The restart flag is the install's: a removal's exit code alone says whether it needs one.
    const bool restartFlagged = !m_bLastRunRemoval && isRestartRequired();
    return InstallOutcome::classify(exitCode, crashed, restartFlagged, m_bLastRunRemoval);
}

int DriverInfo::getExitCode()
{
    return m_processInstall->exitCode();
}

QString DriverInfo::getCompletionStatus()
{
    return outcome().statusText;
}

bool DriverInfo::isRestartOffered()
{
    return outcome().restartOffered;
}

bool DriverInfo::isRetryOffered()
{
    return outcome().retryOffered;
}
