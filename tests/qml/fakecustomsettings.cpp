#include "fakecustomsettings.h"

#include "calllog.h"

namespace {
QString boolText(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}
} // namespace

FakeCustomSettings::FakeCustomSettings(CallLog *log, QObject *parent)
    : QObject(parent)
    , m_log(log)
{
    fakeReset();
}

void FakeCustomSettings::fakeReset()
{
    m_iScreenWidth = 1920;
    m_iScreenHeight = 1080;
    m_iMouseX = 100;
    m_iMouseY = 100;
    m_bUninstallMode = false;
    m_bRestartRequired = false;
}

void FakeCustomSettings::record(const QString &call)
{
    m_log->record(QStringLiteral("qtInterface.") + call);
}

int FakeCustomSettings::getScreenWidth()
{
    record(QStringLiteral("getScreenWidth()"));
    return m_iScreenWidth;
}

int FakeCustomSettings::getScreenHeight()
{
    record(QStringLiteral("getScreenHeight()"));
    return m_iScreenHeight;
}

void FakeCustomSettings::toExtractFiles()
{
    record(QStringLiteral("toExtractFiles()"));
}

int FakeCustomSettings::toInvokeExeForInstall()
{
    record(QStringLiteral("toInvokeExeForInstall()"));
    return 0;
}

int FakeCustomSettings::isRunning()
{
    record(QStringLiteral("isRunning()"));
    return 0;
}

int FakeCustomSettings::toInvokeExeForUninstall()
{
    record(QStringLiteral("toInvokeExeForUninstall()"));
    return 0;
}

int FakeCustomSettings::getMouseX()
{
    record(QStringLiteral("getMouseX()"));
    return m_iMouseX;
}

int FakeCustomSettings::getMouseY()
{
    record(QStringLiteral("getMouseY()"));
    return m_iMouseY;
}

bool FakeCustomSettings::getCommandLineArguments()
{
    record(QStringLiteral("getCommandLineArguments()"));
    return m_bUninstallMode;
}

bool FakeCustomSettings::toDisplaySupportedDrivers(QString c_strCommand)
{
    record(QStringLiteral("toDisplaySupportedDrivers(\"%1\")").arg(c_strCommand));
    return false;
}

bool FakeCustomSettings::getCommandLineArgumentsForUpgrade()
{
    record(QStringLiteral("getCommandLineArgumentsForUpgrade()"));
    return false;
}

void FakeCustomSettings::toInitializeVariables()
{
    record(QStringLiteral("toInitializeVariables()"));
}

void FakeCustomSettings::toTerminateProcess()
{
    record(QStringLiteral("toTerminateProcess()"));
}

bool FakeCustomSettings::getDriverCheckboxStatus(bool c_bStatus)
{
    record(QStringLiteral("getDriverCheckboxStatus(%1)").arg(boolText(c_bStatus)));
    return c_bStatus;
}

bool FakeCustomSettings::getDriverCheckboxStatusForMavel(bool c_bStatus)
{
    record(QStringLiteral("getDriverCheckboxStatusForMavel(%1)").arg(boolText(c_bStatus)));
    return c_bStatus;
}

bool FakeCustomSettings::getDriverCheckboxStatusForPCI(bool c_bStatus)
{
    record(QStringLiteral("getDriverCheckboxStatusForPCI(%1)").arg(boolText(c_bStatus)));
    return c_bStatus;
}

void FakeCustomSettings::cmdlineforNVME()
{
    record(QStringLiteral("cmdlineforNVME()"));
}

bool FakeCustomSettings::isDriverInstalled()
{
    record(QStringLiteral("isDriverInstalled()"));
    return false;
}

bool FakeCustomSettings::isDriverInstalled(QString strDriverName)
{
    record(QStringLiteral("isDriverInstalled(\"%1\")").arg(strDriverName));
    return false;
}

void FakeCustomSettings::restartSystem()
{
    record(QStringLiteral("restartSystem()"));
}

void FakeCustomSettings::toLaunchLogFile()
{
    record(QStringLiteral("toLaunchLogFile()"));
}

bool FakeCustomSettings::enableShutdownPrivilege()
{
    record(QStringLiteral("enableShutdownPrivilege()"));
    return true;
}

bool FakeCustomSettings::getOSVersion()
{
    record(QStringLiteral("getOSVersion()"));
    return false;
}

bool FakeCustomSettings::toLaunchMSI()
{
    record(QStringLiteral("toLaunchMSI()"));
    return false;
}

bool FakeCustomSettings::isRestartRequired()
{
    record(QStringLiteral("isRestartRequired()"));
    return m_bRestartRequired;
}
