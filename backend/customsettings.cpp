#include "backend/customsettings.h"

#include "platform/argumentsource.h"
#include "backend/logging.h"
#include "backend/productpaths.h"
#include "platform/environment.h"
#include "platform/processlauncher.h"
#include "platform/programtrust.h"
#include "backend/processstart.h"
#include "backend/raidlaunchtable.h"
#include "backend/runcontroller.h"
#include "platform/shutdown.h"
#include "platform/urlopener.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

namespace {
QRect availableScreenArea()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}
} // namespace

CustomSettings::CustomSettings(const Platform &platform, const CommandLine &commandLine, RunController &run, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_packageRegistry(platform.registry, platform.systemInfo)
    , m_commandLine(commandLine)
    , m_run(&run)
    , m_processExtract(platform.launcher->createRunner())
{
    toInitializeVariables();
}

CustomSettings::~CustomSettings() = default;

int CustomSettings::getScreenWidth()
{
    return availableScreenArea().width();
}

int CustomSettings::getScreenHeight()
{
    return availableScreenArea().height();
}

int CustomSettings::toExtractFiles()
{
    // Started with administrator rights: only a program nobody else could have replaced, and
    // held as checked until it runs.
    const ProgramTrust::Verdict verdict = m_platform.programTrust->check(ProductPaths::extractOnlyProgram);
    if (!verdict.refusal.isEmpty()) {
        qCWarning(lcProcess).noquote() << "not starting the extract-only run:" << verdict.refusal;
        return 0;
    }
    return ProcessStart::startAndWait(*m_processExtract, ProductPaths::extractOnlyProgram,
                                      {QStringLiteral("/S"), QStringLiteral("/v EXTRACTONLY=1 /qr")});
}

QString CustomSettings::setupProgramCommand() const
{
    QString command = m_strSetupCommand;
    if (m_bPciSelected)
        command += QStringLiteral(" /S /v\"QTLAUNCH=1 SETPCI=YES /qr\" /clone_wait");
    return command;
}

int CustomSettings::toInvokeExeForInstall()
{
    RaidLaunchTable::Choice choice;
    choice.raidSelected = m_bRaidSelected;
    choice.mavelSelected = m_bMavelSelected;
    choice.nvme = m_bRaidNvme;
    choice.sata = m_bRaidSata;
    choice.installed = isDriverInstalled();
    m_strMsiExecCommand = m_strMsiExecPath + RaidLaunchTable::text(choice);

    const QString command = toLaunchMSI() ? m_strMsiExecCommand : setupProgramCommand();
    return m_run->startCommand(RunController::Kind::Install, command);
}

int CustomSettings::isRunning()
{
    return m_run->isRunning();
}

int CustomSettings::toInvokeExeForUninstall()
{
    return m_run->startRemoval(m_strProductCode, m_strMsiExecPath,
                               {QStringLiteral("/x"), m_strProductCode, QStringLiteral("/qn")});
}

int CustomSettings::getMouseX()
{
    return QCursor::pos().x();
}

int CustomSettings::getMouseY()
{
    return QCursor::pos().y();
}

bool CustomSettings::getCommandLineArguments()
{
    return m_commandLine.isRemoval();
}

bool CustomSettings::toDisplaySupportedDrivers(QString c_strCommand)
{
    return m_commandLine.mentions(c_strCommand);
}

bool CustomSettings::getCommandLineArgumentsForUpgrade()
{
    return m_commandLine.isUpgrade();
}

void CustomSettings::toInitializeVariables()
{
    // Empty unless the command line asks for a removal.
    m_strProductCode = m_commandLine.productCode();
    m_strMsiExecPath = ProductPaths::msiExec;
    m_strMsiExecCommand = ProductPaths::msiExec;
    m_bRaidSelected = true;
    m_bMavelSelected = true;
    m_bRaidNvme = false;
    m_bRaidSata = false;
    m_strSetupCommand = ProductPaths::quotedSetupProgram(m_platform.arguments->applicationDirPath());
    cmdlineforNVME();
}

void CustomSettings::toTerminateProcess()
{
    m_run->kill();
}

bool CustomSettings::getDriverCheckboxStatus(bool c_bStatus)
{
    m_bRaidSelected = c_bStatus;
    return m_bRaidSelected;
}

bool CustomSettings::getDriverCheckboxStatusForMavel(bool c_bStatus)
{
    m_bMavelSelected = c_bStatus;
    return m_bMavelSelected;
}

bool CustomSettings::getDriverCheckboxStatusForPCI(bool c_bStatus)
{
    qCDebug(lcScene) << "PCI check box" << c_bStatus;
    m_bPciSelected = c_bStatus;
    return m_bPciSelected;
}

void CustomSettings::cmdlineforNVME()
{
    m_bRaidNvme = m_commandLine.raidNvme();
    m_bRaidSata = m_commandLine.raidSata();
}

bool CustomSettings::isDriverInstalled()
{
    return !m_packageRegistry.read(m_packageRegistry.packageKey(), QStringLiteral("InstallationPath")).isEmpty();
}

bool CustomSettings::isDriverInstalled(QString strDriverName)
{
    const QString deployed = m_packageRegistry.read(m_packageRegistry.packageKey(), QStringLiteral("DeployedFeatures"));
    return deployed.contains(strDriverName, Qt::CaseInsensitive);
}

void CustomSettings::restartSystem()
{
    // Restart and restart the registered applications; reason: reconfiguration.
    m_platform.shutdown->restart(0x42, 4);
}

void CustomSettings::toLaunchLogFile()
{
    QString profile = m_platform.environment->value(QStringLiteral("userprofile"));
    // Without a profile folder there is no log to name: "\\ZYM_Chipset_IODrivers.log" would be
    // a guess, and "//..." a network path.
    if (profile.isEmpty())
        return;
    profile.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // A path, not a link text: "#" and "%" are legal in folder names and must stay themselves.
    m_platform.urlOpener->open(QUrl::fromLocalFile(profile + QLatin1Char('/') + ProductPaths::installationLog));
}

void CustomSettings::toOpenLink(const QString &strUrl)
{
    // Web pages only: nothing the scene names reaches a program, a share or a protocol handler.
    const QUrl url(strUrl, QUrl::StrictMode);
    if (url.isValid() && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http")))
        m_platform.urlOpener->open(url);
}

bool CustomSettings::enableShutdownPrivilege()
{
    return m_platform.shutdown->enableShutdownPrivilege();
}

bool CustomSettings::getOSVersion()
{
    return m_packageRegistry.isOlderWindows();
}

bool CustomSettings::toLaunchMSI()
{
    return m_packageRegistry.isLaunchedFromExtractionFolder();
}

bool CustomSettings::isRestartRequired()
{
    return m_packageRegistry.isRestartRequired();
}
