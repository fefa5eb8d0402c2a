#include "backend/driverinfo.h"

#include "platform/argumentsource.h"
#include "backend/drivercatalogue.h"
#include "backend/installcommand.h"
#include "backend/logging.h"
#include "backend/productpaths.h"
#include "backend/runcontroller.h"
#include "platform/registry.h"

DriverInfo::DriverInfo(const Platform &platform, const CommandLine &commandLine, RunController &run, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_packageRegistry(platform.registry, platform.systemInfo)
    , m_commandLine(commandLine)
    , m_run(&run)
{
    variableInitialization();
}

DriverInfo::~DriverInfo() = default;

void DriverInfo::variableInitialization()
{
    m_strSetupCommand = ProductPaths::quotedSetupProgram(m_platform.arguments->applicationDirPath());
    m_strMsiExecPath = ProductPaths::msiExec;
    // Empty unless the command line asks for a removal.
    m_strProductCode = m_commandLine.productCode();
}

QString DriverInfo::setupProgram() const
{
    return m_strSetupCommand.mid(1, m_strSetupCommand.size() - 2);
}

void DriverInfo::keepTicks(const QStringList &before, const QStringList &after)
{
    const QVector<qint32> ticks = m_vecCheckboxStatus;
    m_vecCheckboxStatus.fill(1, after.size());
    for (int i = 0; i < after.size(); ++i) {
        if (i < before.size() && i < ticks.size() && before.at(i) == after.at(i))
            m_vecCheckboxStatus[i] = ticks.at(i);
    }
    if (before == after && !before.isEmpty())
        return;
    qCInfo(lcScene).noquote() << (m_commandLine.isRemoval() ? "removal rows:" : "install rows:") << after.size();
    for (int i = 0; i < after.size(); ++i) {
        const QString &row = after.at(i);
        const QString name = m_commandLine.isRemoval() ? DriverCatalogue::removalName(row) : DriverCatalogue::installName(row);
        const QString version = m_commandLine.isRemoval() ? DriverCatalogue::removalVersion(row, getOSVersion())
                                                          : DriverCatalogue::installVersion(row, getOSVersion());
        qCInfo(lcScene).noquote() << "row" << i << (row.isEmpty() ? QStringLiteral("(empty)") : row) << '"' + name + '"'
                                  << (version.isEmpty() ? QStringLiteral("(no tile)") : version)
                                  << (m_vecCheckboxStatus.at(i) ? "ticked" : "unticked");
    }
}

int DriverInfo::getNumberOfDrivers()
{
    const QStringList before = m_lstDriverSwitches;
    m_lstDriverSwitches = m_commandLine.switches();
    // The ticks belong to the list this run offers; counting the other one leaves them alone.
    if (!m_commandLine.isRemoval())
        keepTicks(before, m_lstDriverSwitches);
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
    if (iIndex < 0 || iIndex >= m_vecCheckboxStatus.size())
        return;
    m_vecCheckboxStatus[iIndex] = bstatus ? 1 : 0;
    qCInfo(lcScene) << "row" << iIndex << (bstatus ? "ticked" : "unticked");
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
    return m_packageRegistry.isPackageInstalled();
}

int DriverInfo::installbutton()
{
    m_strInstallProperties.clear();
    const InstallCommand command = InstallCommand::install(
        setupProgram(), m_lstDriverSwitches, m_vecCheckboxStatus, [this](int row) { return isDriverInstalled(getDriverName(row)); });
    m_strInstallProperties = command.properties;
    if (command.program.isEmpty()) {
        m_run->refuse(RunController::Kind::Install, QStringLiteral("no driver shown is ticked"));
        return 0;
    }
    return m_run->start(RunController::Kind::Install, command.program, command.arguments);
}

int DriverInfo::uninstallbutton()
{
    m_strInstallProperties.clear();
    const InstallCommand command =
        InstallCommand::removal(m_strMsiExecPath, m_strProductCode, m_lstUninstallableFeatures, m_vecCheckboxStatus);
    m_strInstallProperties = command.properties;
    return m_run->startRemoval(m_strProductCode, command.program, command.arguments);
}

QString DriverInfo::getUnistallableDrivers(int index)
{
    getNumberOfUninstallableDrivers();
    if (index < 0 || index >= m_lstUninstallableFeatures.size())
        return QString();
    return DriverCatalogue::removalName(m_lstUninstallableFeatures.at(index));
}

QStringList DriverInfo::removableFeatures() const
{
    return DriverCatalogue::removableFeatures(m_packageRegistry.deployedFeatures());
}

int DriverInfo::getNumberOfUninstallableDrivers()
{
    const QStringList before = m_lstUninstallableFeatures;
    m_lstUninstallableFeatures = removableFeatures();
    if (m_commandLine.isRemoval())
        keepTicks(before, m_lstUninstallableFeatures);
    return m_lstUninstallableFeatures.size();
}

void DriverInfo::getCheckboxStatusForUninstall(bool bstatus, int iIndex)
{
    getCheckboxStatus(bstatus, iIndex);
}

bool DriverInfo::getCommandLineArguments()
{
    return m_commandLine.isRemoval();
}

int DriverInfo::isRunning()
{
    return m_run->isRunning();
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
    const QStringList names = PackageRegistry::productKeyNames(*m_platform.registry, hKey);
    if (!names.isEmpty())
        qCDebug(lcRegistry) << "maker key has" << names.size() << "product subkeys";
    m_vecProductKeys += names.toVector();
    for (const QString &name : qAsConst(m_vecProductKeys)) {
        const PackageRegistry::Product product = m_packageRegistry.product(name);
        if (product.componentSwitch.isNull()) {
            qCDebug(lcRegistry).noquote() << "product" << name << "names no switch (no prdtcmd)";
        } else {
            m_mapInstalledVersions.insert(product.componentSwitch, product.version);
            qCDebug(lcRegistry).noquote() << "installed:" << product.componentSwitch << "version" << product.version;
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
    return m_run->outcome(isRestartRequired());
}

int DriverInfo::getExitCode()
{
    return m_run->installerExitCode();
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

int DriverInfo::getFrontEndExitCode(bool bRestartNow)
{
    using WayOut = InstallOutcome::WayOut;
    const bool removal = m_commandLine.isRemoval();
    const bool offered = removal ? !removableFeatures().isEmpty() : m_commandLine.offersTile();
    const WayOut nothingStarted = offered ? WayOut::LeftBeforeStarting : removal ? WayOut::NothingToRemove : WayOut::NothingOffered;
    const int code = m_run->leavingExitCode(bRestartNow, isRestartRequired(), nothingStarted);
    qCInfo(lcProcess).noquote() << (bRestartNow ? "the front-end leaves to restart Windows, exit code" : "the front-end leaves, exit code")
                                << code;
    return code;
}
