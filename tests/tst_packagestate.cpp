#include "backend/customsettings.h"
#include "tests/testplatform.h"

#include <QtTest>

// Installed state, restart and log: what CustomSettings reads back from the
// package's registry entries and how it acts on the machine.
class TestPackageState : public QObject
{
    Q_OBJECT

private:
    static QString packageSection(const QString &view, const QString &values)
    {
        return QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\%1ZYM\\ZYM_Chipset_Drivers]\r\n%2\r\n").arg(view, values);
    }

private slots:
    void isDriverInstalledByPath_data()
    {
        QTest::addColumn<QString>("architecture");
        QTest::addColumn<QString>("registry");
        QTest::addColumn<bool>("installed");
        const QString wow = QStringLiteral("WOW6432Node\\");
        QTest::newRow("path recorded, 64-bit view") << "x86_64" << packageSection(wow, "\"InstallationPath\"=\"C:\\\\Nowhere\"") << true;
        QTest::newRow("key absent") << "x86_64" << QString() << false;
        QTest::newRow("other architecture reads the plain view") << "arm64" << packageSection(QString(), "\"InstallationPath\"=\"C:\\\\ZYM\"") << true;
        QTest::newRow("x86_64 ignores the plain view") << "x86_64" << packageSection(QString(), "\"InstallationPath\"=\"C:\\\\ZYM\"") << false;
    }

    void isDriverInstalledByPath()
    {
        QFETCH(QString, architecture);
        QFETCH(QString, registry);
        QFETCH(bool, installed);
        TestMachine machine;
        machine.systemInfo.architecture = architecture;
        machine.writeRegistry(registry);
        CustomSettings settings(machine.platform());
        QCOMPARE(settings.isDriverInstalled(), installed);
    }

    void restartFlag_data()
    {
        QTest::addColumn<QString>("architecture");
        QTest::addColumn<QString>("registry");
        QTest::addColumn<bool>("required");
        const QString wowKey = QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers]\r\n");
        const QString plainKey = QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\ZYM\\ZYM_Chipset_IODrivers]\r\n");
        QTest::newRow("YES") << "x86_64" << wowKey + "\"REBOOTSTATUS\"=\"YES\"" << true;
        QTest::newRow("yes in lower case") << "x86_64" << wowKey + "\"REBOOTSTATUS\"=\"yes\"" << true;
        QTest::newRow("YES with a blank") << "x86_64" << wowKey + "\"REBOOTSTATUS\"=\"YES \"" << false;
        QTest::newRow("other architecture still reads the WOW view") << "arm64" << wowKey + "\"REBOOTSTATUS\"=\"YES\"" << true;
        QTest::newRow("the plain view never counts") << "arm64" << plainKey + "\"REBOOTSTATUS\"=\"YES\"" << false;
    }

    void restartFlag()
    {
        QFETCH(QString, architecture);
        QFETCH(QString, registry);
        QFETCH(bool, required);
        TestMachine machine;
        machine.systemInfo.architecture = architecture;
        machine.writeRegistry(registry);
        CustomSettings settings(machine.platform());
        QTest::ignoreMessage(QtDebugMsg, "not null");
        QTest::ignoreMessage(QtDebugMsg, required ? "value is true" : "xxxxxxxxxxxxxxxx false");
        QCOMPARE(settings.isRestartRequired(), required);
    }

    // A running installer changes the flag; the next question must see it.
    void restartFlagIsReadAfresh()
    {
        TestMachine machine;
        CustomSettings settings(machine.platform());
        QVERIFY(!settings.isRestartRequired());
        machine.writeRegistry(QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers]\r\n"
                                             "\"REBOOTSTATUS\"=\"YES\"\r\n"));
        QVERIFY(settings.isRestartRequired());
    }

    void logFileUrl_data()
    {
        QTest::addColumn<QString>("profile");  // null: no such variable
        QTest::addColumn<QString>("url");      // empty: nothing opened
        QTest::addColumn<QString>("path");     // the file the link names, as its decoded path
        QTest::newRow("backslashes become slashes") << "C:\\Users\\Ann"
                                                    << "file:///C:/Users/Ann/ZYM_Chipset_IODrivers.log"
                                                    << "/C:/Users/Ann/ZYM_Chipset_IODrivers.log";
        QTest::newRow("no profile: no guess") << QString() << QString() << QString();
        QTest::newRow("blank in folder") << "C:\\Users\\Ann Lee"
                                         << "file:///C:/Users/Ann%20Lee/ZYM_Chipset_IODrivers.log"
                                         << "/C:/Users/Ann Lee/ZYM_Chipset_IODrivers.log";
        QTest::newRow("# and % in folder") << "C:\\Users\\dev#2 50%41"
                                           << "file:///C:/Users/dev%232%2050%2541/ZYM_Chipset_IODrivers.log"
                                           << "/C:/Users/dev#2 50%41/ZYM_Chipset_IODrivers.log";
        QTest::newRow("# and % in a Linux folder") << "/home/dev#2 50%41"
                                                   << "file:///home/dev%232%2050%2541/ZYM_Chipset_IODrivers.log"
                                                   << "/home/dev#2 50%41/ZYM_Chipset_IODrivers.log";
    }

    void logFileUrl()
    {
        QFETCH(QString, profile);
        QFETCH(QString, url);
        QFETCH(QString, path);
        TestMachine machine;
        if (!profile.isNull())
            machine.environment.variables.insert(QStringLiteral("userprofile"), profile);
        CustomSettings settings(machine.platform());
        settings.toLaunchLogFile();
        QCOMPARE(machine.urlOpener.opened.size(), url.isEmpty() ? 0 : 1);
        if (url.isEmpty())
            return;
        QCOMPARE(machine.urlOpener.opened.first().toString(QUrl::FullyEncoded), url);
        QCOMPARE(machine.urlOpener.opened.first().path(QUrl::FullyDecoded), path);
    }
};

QTEST_MAIN(TestPackageState)
#include "tst_packagestate.moc"
