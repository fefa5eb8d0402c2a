#include "backend/customsettings.h"
#include "backend/driverinfo.h"
#include "tests/testplatform.h"

#include <QMetaMethod>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QtTest>

// What the scene sees of the two backend objects: names, order and types of
// the slots, and the calls that must reach one and the same operation.
class TestBridge : public QObject
{
    Q_OBJECT

private:
    static QStringList ownSlots(const QMetaObject &meta)
    {
        QStringList signatures;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            const QMetaMethod method = meta.method(i);
            const QString kind = method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Public
                ? QString()
                : QStringLiteral("NOT A PUBLIC SLOT: ");
            signatures << kind + QString::fromLatin1(method.typeName()) + QLatin1Char(' ')
                    + QString::fromLatin1(method.methodSignature());
        }
        return signatures;
    }

    static void checkOnlySlots(const QMetaObject &meta)
    {
        QCOMPARE(meta.superClass(), &QObject::staticMetaObject);
        QCOMPARE(meta.propertyCount(), meta.propertyOffset());
        QCOMPARE(meta.enumeratorCount(), meta.enumeratorOffset());
        QCOMPARE(meta.classInfoCount(), meta.classInfoOffset());
        QCOMPARE(meta.constructorCount(), 0);
    }

private slots:
    void customSettingsSlotTable()
    {
        const QMetaObject &meta = CustomSettings::staticMetaObject;
        QCOMPARE(QString::fromLatin1(meta.className()), QStringLiteral("CustomSettings"));
        checkOnlySlots(meta);
        const QStringList expected = {
            "int getScreenWidth()", "int getScreenHeight()", "void toExtractFiles()", "int toInvokeExeForInstall()",
            "int isRunning()", "int toInvokeExeForUninstall()", "int getMouseX()", "int getMouseY()",
            "bool getCommandLineArguments()", "bool toDisplaySupportedDrivers(QString)",
            "bool getCommandLineArgumentsForUpgrade()", "void toInitializeVariables()", "void toTerminateProcess()",
            "bool getDriverCheckboxStatus(bool)", "bool getDriverCheckboxStatusForMavel(bool)",
            "bool getDriverCheckboxStatusForPCI(bool)", "void cmdlineforNVME()", "bool isDriverInstalled()",
            "bool isDriverInstalled(QString)", "void restartSystem()", "void toLaunchLogFile()",
            "bool enableShutdownPrivilege()", "bool getOSVersion()", "bool toLaunchMSI()", "bool isRestartRequired()",
        };
        QCOMPARE(ownSlots(meta), expected);
    }

    void driverInfoSlotTable()
    {
        const QMetaObject &meta = DriverInfo::staticMetaObject;
        QCOMPARE(QString::fromLatin1(meta.className()), QStringLiteral("DriverInfo"));
        checkOnlySlots(meta);
        const QStringList expected = {
            "void variableInitialization()", "int getNumberOfDrivers()", "QString setDriverName(int)",
            "QString getDriverName(int)", "void getCheckboxStatus(bool,int)", "bool getOSVersion()",
            "QString setVersionNumber(int)", "QString setVersionNumberForUninstall(int)",
            "bool isDriverInstalled(QString)", "int installbutton()", "int uninstallbutton()",
            "QString getUnistallableDrivers(int)", "int getNumberOfUninstallableDrivers()",
            "void getCheckboxStatusForUninstall(bool,int)", "bool getCommandLineArguments()", "int isRunning()",
            "bool uninstallALLDrivers()", "void queryKey(HKEY,int)", "void query(HKEY)",
            "QString getOlderVersionNumber(int)", "bool isRestartRequired()",
            // Added later, after the published ones, to read how a run ended.
            "int getExitCode()", "QString getCompletionStatus()", "bool isRestartOffered()", "bool isRetryOffered()",
        };
        QCOMPARE(ownSlots(meta), expected);
    }

    // The scene picks the overload by the number of arguments it passes.
    void sceneReachesBothIsDriverInstalled()
    {
        TestMachine machine;
        machine.writeRegistry(QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_Drivers]\r\n"
                                             "\"DeployedFeatures\"=\"ZYM_RAID,RAIDMAVEL\"\r\n"));
        CustomSettings settings(machine.platform());
        QQmlEngine engine;
        engine.rootContext()->setContextProperty(QStringLiteral("qtInterface"), &settings);
        QQmlExpression withName(engine.rootContext(), nullptr, QStringLiteral("qtInterface.isDriverInstalled(\"zym_raid\")"));
        QQmlExpression withoutName(engine.rootContext(), nullptr, QStringLiteral("qtInterface.isDriverInstalled()"));
        QCOMPARE(withName.evaluate().toBool(), true);   // feature deployed
        QCOMPARE(withoutName.evaluate().toBool(), false); // no installation path
    }

    void bothObjectsShareRestartAndWindowsAnswers_data()
    {
        QTest::addColumn<QString>("rebootStatus");
        QTest::addColumn<QString>("version");
        QTest::newRow("restart, Windows 7") << "YES" << "7";
        QTest::newRow("no restart, Windows 10") << "NO" << "10";
        QTest::newRow("restart lower case, Vista") << "yes" << "Vista";
    }

    void bothObjectsShareRestartAndWindowsAnswers()
    {
        QFETCH(QString, rebootStatus);
        QFETCH(QString, version);
        TestMachine machine;
        machine.systemInfo.version = version;
        machine.writeRegistry(QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers]\r\n"
                                             "\"REBOOTSTATUS\"=\"%1\"\r\n").arg(rebootStatus));
        CustomSettings settings(machine.platform());
        DriverInfo driverInfo(machine.platform());
        QCOMPARE(settings.isRestartRequired(), driverInfo.isRestartRequired());
        QCOMPARE(settings.getOSVersion(), driverInfo.getOSVersion());
        QCOMPARE(settings.isRestartRequired(), rebootStatus.toUpper() == QLatin1String("YES"));
        QCOMPARE(settings.getOSVersion(), version != QLatin1String("10"));
    }
};

QTEST_MAIN(TestBridge)
#include "tst_bridge.moc"
