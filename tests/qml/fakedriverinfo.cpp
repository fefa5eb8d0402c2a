#include "fakedriverinfo.h"

#include "backend/installoutcome.h"

#include "calllog.h"

namespace {
QString boolText(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}
} // namespace

FakeDriverInfo::FakeDriverInfo(CallLog *log, QObject *parent)
    : QObject(parent)
    , m_log(log)
{
    fakeReset();
}

void FakeDriverInfo::fakeReset()
{
    m_bUninstallMode = false;
    m_lstDriverNames = QStringList{QStringLiteral("ZYM PCI Device Driver"),
                                   QStringLiteral("ZYM GPIO Driver")};
    m_lstDriverVersions = QStringList{QStringLiteral("1.0.0.75"), QStringLiteral("2.2.0.126")};
    m_lstUninstallableNames = QStringList{QStringLiteral("ZYM PCI Device Driver"),
                                          QStringLiteral("ZYM SMBus Driver"),
                                          QStringLiteral("ZYM Consumer Infrared Driver")};
    m_lstUninstallableVersions = QStringList{QStringLiteral("1.0.0.75"), QStringLiteral("5.12.0.38"),
                                             QStringLiteral("3.2.4.135")};
    m_iInstallResult = 1;
    m_iUninstallResult = 1;
    m_iRunning = 1;
    m_bRestartRequired = false;
    m_iExitCode = 0;
    m_bCrashed = false;
    m_vecCheckboxStatus.clear();
    m_strCountedList.clear();
}

QVariantList FakeDriverInfo::fakeTicks() const
{
    QVariantList lstTicks;
    for (int iTick : m_vecCheckboxStatus)
        lstTicks.append(iTick);
    return lstTicks;
}

void FakeDriverInfo::record(const QString &call)
{
    m_log->record(QStringLiteral("qtInterface1.") + call);
}

int FakeDriverInfo::countInstallList()
{
    m_vecCheckboxStatus.fill(1, m_lstDriverNames.size());
    m_strCountedList = QStringLiteral("install");
    return m_lstDriverNames.size();
}

int FakeDriverInfo::countUninstallList()
{
    m_vecCheckboxStatus.fill(1, m_lstUninstallableNames.size());
    m_strCountedList = QStringLiteral("uninstall");
    return m_lstUninstallableNames.size();
}

void FakeDriverInfo::storeTick(bool bstatus, int iIndex)
{
    if (iIndex >= 0 && iIndex < m_vecCheckboxStatus.size())
        m_vecCheckboxStatus[iIndex] = bstatus ? 1 : 0;
}

void FakeDriverInfo::variableInitialization()
{
    record(QStringLiteral("variableInitialization()"));
}

int FakeDriverInfo::getNumberOfDrivers()
{
    record(QStringLiteral("getNumberOfDrivers()"));
    return countInstallList();
}

QString FakeDriverInfo::setDriverName(int iIndex)
{
    record(QStringLiteral("setDriverName(%1)").arg(iIndex));
    return m_lstDriverNames.value(iIndex);
}

QString FakeDriverInfo::getDriverName(int iIndex)
{
    record(QStringLiteral("getDriverName(%1)").arg(iIndex));
    return m_lstDriverNames.value(iIndex);
}

void FakeDriverInfo::getCheckboxStatus(bool bstatus, int iIndex)
{
    record(QStringLiteral("getCheckboxStatus(%1, %2)").arg(boolText(bstatus)).arg(iIndex));
    storeTick(bstatus, iIndex);
}

bool FakeDriverInfo::getOSVersion()
{
    record(QStringLiteral("getOSVersion()"));
    return false;
}

QString FakeDriverInfo::setVersionNumber(int iIndex)
{
    record(QStringLiteral("setVersionNumber(%1)").arg(iIndex));
    return m_lstDriverVersions.value(iIndex);
}

QString FakeDriverInfo::setVersionNumberForUninstall(int iIndex)
{
    record(QStringLiteral("setVersionNumberForUninstall(%1)").arg(iIndex));
    return m_lstUninstallableVersions.value(iIndex);
}

bool FakeDriverInfo::isDriverInstalled(QString strDriverName)
{
    record(QStringLiteral("isDriverInstalled(\"%1\")").arg(strDriverName));
    return false;
}

int FakeDriverInfo::installbutton()
{
    record(QStringLiteral("installbutton()"));
    return m_iInstallResult;
}

int FakeDriverInfo::uninstallbutton()
{
    record(QStringLiteral("uninstallbutton()"));
    return m_iUninstallResult;
}

QString FakeDriverInfo::getUnistallableDrivers(int index)
{
    record(QStringLiteral("getUnistallableDrivers(%1)").arg(index));
    // The real object counts its removal list again first, which resets every tick.
    countUninstallList();
    return m_lstUninstallableNames.value(index);
}

int FakeDriverInfo::getNumberOfUninstallableDrivers()
{
    record(QStringLiteral("getNumberOfUninstallableDrivers()"));
    return countUninstallList();
}

void FakeDriverInfo::getCheckboxStatusForUninstall(bool bstatus, int iIndex)
{
    record(QStringLiteral("getCheckboxStatusForUninstall(%1, %2)").arg(boolText(bstatus)).arg(iIndex));
    storeTick(bstatus, iIndex);
}

bool FakeDriverInfo::getCommandLineArguments()
{
    record(QStringLiteral("getCommandLineArguments()"));
    return m_bUninstallMode;
}

int FakeDriverInfo::isRunning()
{
    record(QStringLiteral("isRunning()"));
    return m_iRunning;
}

bool FakeDriverInfo::uninstallALLDrivers()
{
    record(QStringLiteral("uninstallALLDrivers()"));
    return !m_vecCheckboxStatus.contains(0);
}

QString FakeDriverInfo::getOlderVersionNumber(int index)
{
    record(QStringLiteral("getOlderVersionNumber(%1)").arg(index));
    return QString();
}

bool FakeDriverInfo::isRestartRequired()
{
    record(QStringLiteral("isRestartRequired()"));
    return m_bRestartRequired;
}

// The outcome comes from the real table, so the scene is tested against the
// answers the real object gives for the same exit code.
int FakeDriverInfo::getExitCode()
{
    record(QStringLiteral("getExitCode()"));
    return m_iExitCode;
}

QString FakeDriverInfo::getCompletionStatus()
{
    record(QStringLiteral("getCompletionStatus()"));
    return InstallOutcome::classify(m_iExitCode, m_bCrashed, m_bRestartRequired, m_bUninstallMode).statusText;
}

bool FakeDriverInfo::isRestartOffered()
{
    record(QStringLiteral("isRestartOffered()"));
    return InstallOutcome::classify(m_iExitCode, m_bCrashed, m_bRestartRequired, m_bUninstallMode).restartOffered;
}

bool FakeDriverInfo::isRetryOffered()
{
    record(QStringLiteral("isRetryOffered()"));
    return InstallOutcome::classify(m_iExitCode, m_bCrashed, m_bRestartRequired, m_bUninstallMode).retryOffered;
}
