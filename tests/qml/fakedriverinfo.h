#ifndef FAKEDRIVERINFO_H
#define FAKEDRIVERINFO_H

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVector>

class CallLog;

// Stands in for DriverInfo ("qtInterface1"): the slots the scene can reach (the two that take a
// registry handle cannot be called from the scene and are left out), answers that a test sets
// through the fake* properties, and every call recorded in the shared CallLog. Like the real
// object it keeps one tick list that belongs to whichever driver list was counted last.
class FakeDriverInfo final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool fakeUninstallMode MEMBER m_bUninstallMode)
    Q_PROPERTY(QStringList fakeDriverNames MEMBER m_lstDriverNames)
    Q_PROPERTY(QStringList fakeDriverVersions MEMBER m_lstDriverVersions)
    Q_PROPERTY(QStringList fakeUninstallableNames MEMBER m_lstUninstallableNames)
    Q_PROPERTY(QStringList fakeUninstallableVersions MEMBER m_lstUninstallableVersions)
    Q_PROPERTY(int fakeInstallResult MEMBER m_iInstallResult)
    Q_PROPERTY(int fakeUninstallResult MEMBER m_iUninstallResult)
    Q_PROPERTY(int fakeRunning MEMBER m_iRunning)
    Q_PROPERTY(bool fakeRestartRequired MEMBER m_bRestartRequired)
    Q_PROPERTY(int fakeExitCode MEMBER m_iExitCode)
    Q_PROPERTY(bool fakeCrashed MEMBER m_bCrashed)
    Q_PROPERTY(QVariantList fakeTicks READ fakeTicks)
    Q_PROPERTY(QString fakeCountedList READ fakeCountedList)

public:
    explicit FakeDriverInfo(CallLog *log, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FakeDriverInfo)

    Q_INVOKABLE void fakeReset();
    QVariantList fakeTicks() const;
    QString fakeCountedList() const { return m_strCountedList; }

public slots:
    void variableInitialization();
    int getNumberOfDrivers();
    QString setDriverName(int iIndex);
    QString getDriverName(int iIndex);
    void getCheckboxStatus(bool bstatus, int iIndex);
    bool getOSVersion();
    QString setVersionNumber(int iIndex);
    QString setVersionNumberForUninstall(int iIndex);
    bool isDriverInstalled(QString strDriverName);
    int installbutton();
    int uninstallbutton();
    QString getUnistallableDrivers(int index);
    int getNumberOfUninstallableDrivers();
    void getCheckboxStatusForUninstall(bool bstatus, int iIndex);
    bool getCommandLineArguments();
    int isRunning();
    bool uninstallALLDrivers();
    QString getOlderVersionNumber(int index);
    bool isRestartRequired();
    int getExitCode();
    QString getCompletionStatus();
    bool isRestartOffered();
    bool isRetryOffered();

private:
    void record(const QString &call);
    int countInstallList();
    int countUninstallList();
    void storeTick(bool bstatus, int iIndex);

    CallLog *m_log;
    int m_iExitCode = 0;
    bool m_bCrashed = false;
    bool m_bUninstallMode = false;
    QStringList m_lstDriverNames;
    QStringList m_lstDriverVersions;
    QStringList m_lstUninstallableNames;
    QStringList m_lstUninstallableVersions;
    int m_iInstallResult = 1;
    int m_iUninstallResult = 1;
    int m_iRunning = 1;
    bool m_bRestartRequired = false;
    QVector<int> m_vecCheckboxStatus;
    QString m_strCountedList;
};

#endif // FAKEDRIVERINFO_H
