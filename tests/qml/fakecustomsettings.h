#ifndef FAKECUSTOMSETTINGS_H
#define FAKECUSTOMSETTINGS_H

#include <QObject>
#include <QString>

class CallLog;

// Stands in for CustomSettings ("qtInterface"): the same slots, answers that a test sets through
// the fake* properties, and every call recorded in the shared CallLog.
class FakeCustomSettings final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int fakeScreenWidth MEMBER m_iScreenWidth)
    Q_PROPERTY(int fakeScreenHeight MEMBER m_iScreenHeight)
    Q_PROPERTY(int fakeMouseX MEMBER m_iMouseX)
    Q_PROPERTY(int fakeMouseY MEMBER m_iMouseY)
    Q_PROPERTY(bool fakeUninstallMode MEMBER m_bUninstallMode)
    Q_PROPERTY(bool fakeRestartRequired MEMBER m_bRestartRequired)

public:
    explicit FakeCustomSettings(CallLog *log, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(FakeCustomSettings)

    Q_INVOKABLE void fakeReset();

public slots:
    int getScreenWidth();
    int getScreenHeight();
    void toExtractFiles();
    int toInvokeExeForInstall();
    int isRunning();
    int toInvokeExeForUninstall();
    int getMouseX();
    int getMouseY();
    bool getCommandLineArguments();
    bool toDisplaySupportedDrivers(QString c_strCommand);
    bool getCommandLineArgumentsForUpgrade();
    void toInitializeVariables();
    void toTerminateProcess();
    bool getDriverCheckboxStatus(bool c_bStatus);
    bool getDriverCheckboxStatusForMavel(bool c_bStatus);
    bool getDriverCheckboxStatusForPCI(bool c_bStatus);
    void cmdlineforNVME();
    bool isDriverInstalled();
    bool isDriverInstalled(QString strDriverName);
    void restartSystem();
    void toLaunchLogFile();
    bool enableShutdownPrivilege();
    bool getOSVersion();
    bool toLaunchMSI();
    bool isRestartRequired();

private:
    void record(const QString &call);

    CallLog *m_log;
    int m_iScreenWidth = 0;
    int m_iScreenHeight = 0;
    int m_iMouseX = 0;
    int m_iMouseY = 0;
    bool m_bUninstallMode = false;
    bool m_bRestartRequired = false;
};

#endif // FAKECUSTOMSETTINGS_H
