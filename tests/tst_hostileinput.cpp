#include "tests/scenedriver.h"
#include "tests/testplatform.h"
#include "tests/warningrecorder.h"

#include <QFile>
#include <QtTest>

// The real application against what a machine or a command line may throw
// at it: it must open, offer what it should, send only well-formed commands
// and quit cleanly.
class TestHostileInput : public QObject
{
    Q_OBJECT

private:
    WarningRecorder m_warnings;

    static int shownTiles(SceneDriver &scene)
    {
        int shown = 0;
        for (int i = 0; scene.object(QStringLiteral("driverTile%1").arg(i)); ++i)
            shown += scene.isShown(QStringLiteral("driverTile%1").arg(i)) ? 1 : 0;
        return shown;
    }

private slots:
    void init()
    {
        WarningRecorder::warnings().clear();
    }

    void cleanup()
    {
        QVERIFY2(WarningRecorder::warnings().isEmpty(), qPrintable(WarningRecorder::report()));
    }

    void commandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("tiles");         // shown: the catalogue knows them
        QTest::addColumn<QString>("properties"); // the /v argument the setup program must get
        QTest::addColumn<QString>("outcome");
        const QString installed = QStringLiteral("Successfully Installed");

        QStringList many;
        for (int i = 0; i < 300; ++i)
            many << QStringLiteral("/SETUNKNOWN%1").arg(i);
        many << QStringLiteral("/SETPCI");
        QTest::newRow("hundreds of arguments") << many << 1
                                               << QString(QStringLiteral("QTLAUNCH=1 ") + QStringList(many).replaceInStrings(QStringLiteral("/"), QString()).join(QStringLiteral("=YES ")) + QStringLiteral("=YES /qr")) << installed;
        QTest::newRow("a very long argument") << QStringList{QStringLiteral("/SET") + QString(20000, QLatin1Char('A')), "/SETCIR"} << 1
                                              << QString(QStringLiteral("QTLAUNCH=1 SET") + QString(20000, QLatin1Char('A')) + QStringLiteral("=YES SETCIR=YES /qr"))
                                              << installed;
        // Past what a system lets one command line carry the start fails, and says so.
        QTest::newRow("an argument too long to start") << QStringList{QStringLiteral("/SET") + QString(200000, QLatin1Char('A'))} << 0
                                                       << QString() << "Installation could not be started";
        QTest::newRow("quotes and blanks") << QStringList{"/SETX\" /evil \"", "/SETPCI /SETCIR", "\"", " ", "/SETGPIO2"} << 1
                                           << "QTLAUNCH=1 SETGPIO2=YES /qr" << installed;
        QTest::newRow("control characters") << QStringList{QStringLiteral("/SET\x01\x02\t"), QStringLiteral("/SETPCI\n"), "/SETSMBUS"} << 1
                                            << "QTLAUNCH=1 SETSMBUS=YES /qr" << installed;
        QTest::newRow("non-Latin text") << QStringList{QStringLiteral("/SET\u041F\u0426\u0418"), QStringLiteral("/SET\u9A71\u52A8"), "/SETPCI"} << 1
                                        << "QTLAUNCH=1 SETPCI=YES /qr" << installed;
        QTest::newRow("markers repeated") << QStringList{"/SET_RAIDNVME", "/SET_RAIDNVME", "/SET_RAIDSATA", "/SET_RAIDSATA", "/SETPCI"} << 1
                                          << "QTLAUNCH=1 SET_RAIDNVME=YES SET_RAIDSATA=YES SETPCI=YES /qr" << installed;
        QTest::newRow("properties smuggled in a switch") << QStringList{"/SETPCI=YES ADDLOCAL=ALL", "/SETA=B", "/SETCIR"} << 1
                                                         << "QTLAUNCH=1 SETCIR=YES /qr" << installed;
    }

    void commandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, tiles);
        QFETCH(QString, properties);
        QFETCH(QString, outcome);

        TestMachine machine;
        machine.setArguments(arguments);
        machine.addRecorder(QStringLiteral("..\\Packages\\ZYM_Chipset_Drivers.exe"));
        SceneDriver scene(machine);
        QVERIFY(scene.start());
        QVERIFY(scene.click(QStringLiteral("recAcceptButton")));
        QTRY_COMPARE(scene.value(QStringLiteral("recInstallButton"), "x").toReal(), 0.0);
        QCOMPARE(shownTiles(scene), tiles);
        QVERIFY(scene.click(QStringLiteral("recInstallButton")));
        QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(), outcome, 15000);
        const QList<QStringList> runs = machine.recordedRuns();
        if (properties.isEmpty()) {
            QVERIFY(runs.isEmpty());
            QVERIFY(scene.click(QStringLiteral("recAppClose")));
        } else {
            QCOMPARE(runs.size(), 1);
            QCOMPARE(runs.first(), (QStringList{"ZYM_Chipset_Drivers.exe", "/S", "/v" + properties, "/clone_wait"}));
            QVERIFY(scene.click(QStringLiteral("recExitWithoutRestart")));
        }
        QCOMPARE(scene.quitRequests(), 1);
        QVERIFY(scene.waitForPrograms());
    }

    void registries_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("tiles");
        // By MsiExec, after the program name; "/i" when the first tile is unticked first, and
        // nothing when no removal may start.
        QTest::addColumn<QStringList>("received");

        const QByteArray header("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers]\r\n");
        const QByteArray features = header + "\"DeployedFeatures\"=\"PCI,CIR\"\r\n";
        const QString code = QStringLiteral("{1B2C3D4E-5F60-4718-293A-4B5C6D7E8F90}");
        QTest::newRow("huge value") << header + "\"DeployedFeatures\"=\"PCI," + QByteArray(1 << 20, 'X') + ",CIR\"\r\n"
                                    << QStringList{"/U", code} << 3 << QStringList{"/x", code, "REMOVE=ALL", "/qn"};
        QByteArray junk = header;
        for (int i = 0; i < 4096; ++i)
            junk += char((i * 7919) % 251);
        junk += "\r\n" + header + "\"DeployedFeatures\"=\"PCI,SMBUS\"\r\n";
        QTest::newRow("binary junk around the value") << junk << QStringList{"/U", code} << 2
                                                      << QStringList{"/x", code, "REMOVE=ALL", "/qn"};
        QByteArray utf16("\xff\xfe", 2);
        const QString text = QString::fromLatin1(header) + QStringLiteral("\"DeployedFeatures\"=\"PCI,CIR\"\r\n");
        utf16 += QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        utf16.chop(9); // cut in the middle of a character and of the value line
        // The value line is lost, and a missing value offers its one empty row.
        QTest::newRow("truncated UTF-16") << utf16 << QStringList{"/U", code} << 1
                                          << QStringList{"/x", code, "REMOVE=ALL", "/qn"};
        QTest::newRow("no feature survives") << header + "\"DeployedFeatures\"=\"raid,Drivers\"\r\n" << QStringList{"/U", code} << 0
                                             << QStringList();
        // Only well-formed names may follow REMOVE=.
        QTest::newRow("feature names that smuggle arguments") << header + "\"DeployedFeatures\"=\"PCI /qn,\\\" X=1\\\",CIR\"\r\n"
                                                              << QStringList{"/U", code} << 3 << QStringList{"/i", code, "REMOVE=CIR", "/qn"};
        // A product code that is no GUID in braces could become options of MsiExec's own.
        QTest::newRow("/U alone") << features << QStringList{"/U"} << 2 << QStringList();
        QTest::newRow("options after the product code") << features << QStringList{"/U", code + "\" /i evil.msi \""} << 2
                                                        << QStringList();
        QTest::newRow("product code without braces") << features << QStringList{"/U", code.mid(1, 36)} << 2 << QStringList();
    }

    void registries()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, arguments);
        QFETCH(int, tiles);
        QFETCH(QStringList, received);

        TestMachine machine;
        QFile registry(machine.registryPath);
        QVERIFY(registry.open(QIODevice::WriteOnly));
        registry.write(file);
        registry.close();
        machine.setArguments(arguments);
        machine.addRecorder(QStringLiteral("C:\\Windows\\System32\\MsiExec.exe"));
        SceneDriver scene(machine);
        QVERIFY(scene.start());
        QCOMPARE(shownTiles(scene), tiles);

        if (tiles > 0) {
            if (received.value(0) == QLatin1String("/i"))
                QVERIFY(scene.click(QStringLiteral("driverTile0")));
            QVERIFY(scene.click(QStringLiteral("recUninstallButton")));
            QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(), QString::fromLatin1(received.isEmpty() ? "Uninstallation could not be started" : "Successfully Uninstalled"), 15000);
            QCOMPARE(machine.recordedRuns().value(0).mid(1), received);
        } else {
            QVERIFY(scene.isShown(QStringLiteral("recWarningForInvalidCommandLine")));
        }
        QVERIFY(scene.click(QStringLiteral("recAppClose")));
        QCOMPARE(scene.quitRequests(), 1);
        QVERIFY(scene.waitForPrograms());
        QCOMPARE(machine.recordedRuns().size(), received.isEmpty() ? 0 : 1);
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
