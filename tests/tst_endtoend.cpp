#include "scenedriver.h"
#include "testplatform.h"
#include "warningrecorder.h"

#include <QQuickItem>
#include <QtTest>

// The whole application, end to end: the real backend objects and the
// compiled-in scene on a simulated machine whose installers are stand-ins that
// note what they were given. Every run is driven once by mouse and once by
// keyboard alone, and fails on any warning the scene prints.

namespace {

enum class Input { Mouse, Keyboard };

const QString kSetupProgram = QStringLiteral("..\\Packages\\ZYM_Chipset_Drivers.exe");
const QString kExtractProgram =
    QStringLiteral("C:\\ZYM\\Chipset_Driver_Installer\\ChipsetDriversExtract\\MSIFiles\\Packages\\ZYM_Chipset_Drivers.exe");
const QString kMsiExec = QStringLiteral("C:\\Windows\\System32\\MsiExec.exe");
const QString kIoDriverSection = QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers]\r\n");
const QString kRestartFlag = kIoDriverSection + QStringLiteral("\"REBOOTSTATUS\"=\"YES\"\r\n");
const QString kProductCode = QStringLiteral("{4D2E1C3B-5A6F-4789-8ABC-DEF012345678}");
const QStringList kFourDrivers{"/SETZYM_RAID", "/SETRAIDMAVEL", "/SETPCI", "/SETGPIO2"};
const QStringList kExtractRun{"ZYM_Chipset_Drivers.exe", "/S", "/v EXTRACTONLY=1 /qr"};
const QUrl kLogUrl(QStringLiteral("file:///C:/Users/Tester/ZYM_Chipset_IODrivers.log"));
// Long enough to watch the installer run, short enough for the whole program.
constexpr double kInstallerSeconds = 1.5;
constexpr int kCompletionTimeoutMs = 15000;

QString inputName(Input input)
{
    return input == Input::Mouse ? QStringLiteral("mouse") : QStringLiteral("keyboard");
}

void prepareInstallMode(TestMachine &machine)
{
    machine.setArguments(kFourDrivers);
    machine.environment.variables.insert(QStringLiteral("userprofile"), QStringLiteral("C:\\Users\\Tester"));
}

} // namespace

Q_DECLARE_METATYPE(Input)

class TestEndToEnd : public QObject
{
    Q_OBJECT

private:
    WarningRecorder m_warnings;

    // A click on the control, or Tab until it has the keyboard and then `key`.
    static void activate(SceneDriver &scene, Input input, const QString &name, Qt::Key key = Qt::Key_Return,
                         Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        if (input == Input::Mouse) {
            QVERIFY2(scene.click(name), qPrintable(name + QStringLiteral(" is not shown")));
            return;
        }
        QVERIFY2(scene.tabTo(name), qPrintable(name + QStringLiteral(" never gets the keyboard")));
        scene.key(key, modifiers);
    }

    static void start(SceneDriver &scene)
    {
        QVERIFY2(scene.start(), "the scene loads and its window becomes active");
    }

    // Licence, agree, then the driver tiles with the Install button in place.
    static void agree(SceneDriver &scene, Input input)
    {
        QVERIFY(scene.isShown(QStringLiteral("recForLictab")));
        activate(scene, input, QStringLiteral("recAcceptButton"), Qt::Key_Space);
        QTRY_VERIFY(scene.isShown(QStringLiteral("recDriverContent")));
        QVERIFY(!scene.isShown(QStringLiteral("recForLictab")));
        QVERIFY(scene.value(QStringLiteral("checkboxAgree"), "bChecked").toBool());
        // A pointer can only hit the button once it has slid in.
        QTRY_COMPARE(scene.value(QStringLiteral("recInstallButton"), "x").toReal(), 0.0);
        QVERIFY(scene.value(QStringLiteral("recInstallButton"), "enabled").toBool());
    }

    static void untick(SceneDriver &scene, Input input, int tile)
    {
        const QString name = QStringLiteral("driverTile%1").arg(tile);
        activate(scene, input, name, Qt::Key_Space);
        QCOMPARE(scene.value(name, "bCheckboxChecked").toBool(), false);
    }

    // Install, the run watched with the title bar's Close disabled, then its end.
    static void install(SceneDriver &scene, Input input)
    {
        activate(scene, input, QStringLiteral("recInstallButton"));
        QTRY_VERIFY(scene.isShown(QStringLiteral("recProgressBar")));
        QCOMPARE(scene.statusText(), QStringLiteral("Installing.."));
        QVERIFY(scene.isShown(QStringLiteral("recIndicator")));
        QVERIFY(!scene.value(QStringLiteral("recAppClose"), "enabled").toBool());
        if (input == Input::Mouse)
            QVERIFY(scene.click(QStringLiteral("recAppClose")));
        else
            QVERIFY(!scene.tabChain(6).contains(QStringLiteral("recAppClose")));
        QCOMPARE(scene.quitRequests(), 0);

        QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(),
                                  QStringLiteral("Successfully Installed"), kCompletionTimeoutMs);
        QVERIFY(!scene.isShown(QStringLiteral("recIndicator")));
        QVERIFY(scene.value(QStringLiteral("recAppClose"), "enabled").toBool());
        QVERIFY(scene.isShown(QStringLiteral("recExitWithoutRestart")));
        QTRY_VERIFY(scene.isShown(QStringLiteral("recViewLog")));
    }

    static QStringList tileNames(SceneDriver &scene, int count)
    {
        QStringList names;
        for (int i = 0; i < count; ++i)
            names << scene.value(QStringLiteral("driverTile%1").arg(i), "strDriverName").toString();
        return names;
    }

private slots:
    void init()
    {
        WarningRecorder::warnings().clear();
    }

    // Runs once the scene and its programs are gone, so teardown counts too.
    void cleanup()
    {
        QVERIFY2(WarningRecorder::warnings().isEmpty(), qPrintable(WarningRecorder::report()));
    }

    void installs_data()
    {
        QTest::addColumn<Input>("input");
        QTest::addColumn<bool>("packageInstalled");
        QTest::addColumn<bool>("restartFlagged");
        QTest::addColumn<int>("untickedTile");
        QTest::addColumn<QString>("properties");
        QTest::addColumn<QString>("ending");

        for (Input input : {Input::Mouse, Input::Keyboard}) {
            const QString by = QStringLiteral(", by ") + inputName(input);
            QTest::newRow(qPrintable(QStringLiteral("restart flagged, Restart Now") + by))
                << input << false << true << 2
                << "/vQTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES SETGPIO2=YES /qr" << "recExitAndRestart";
            QTest::newRow(qPrintable(QStringLiteral("restart flagged, package installed, Close") + by))
                << input << true << true << 2
                << "/vQTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES SETGPIO2=YES ADDLOCAL=ZYM_RAID,RAIDMAVEL,GPIO2 /qr"
                << "recExitWithoutRestart";
            QTest::newRow(qPrintable(QStringLiteral("no restart flagged, Close") + by))
                << input << false << false << 3 << "/vQTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES SETPCI=YES /qr"
                << "recExitWithoutRestart";
        }
    }

    void installs()
    {
        QFETCH(Input, input);
        QFETCH(bool, packageInstalled);
        QFETCH(bool, restartFlagged);
        QFETCH(int, untickedTile);
        QFETCH(QString, properties);
        QFETCH(QString, ending);

        TestMachine machine;
        prepareInstallMode(machine);
        machine.writeRegistry(packageInstalled
                                  ? kIoDriverSection + QStringLiteral("\"InstallationPath\"=\"C:\\\\ZYM\\\\Chipset\"\r\n")
                                  : QString());
        // The flag appears only as the setup program ends, as the package writes it.
        if (restartFlagged)
            machine.addRegistryWriter(kSetupProgram, kRestartFlag, kInstallerSeconds);
        else
            machine.addRecorder(kSetupProgram, kInstallerSeconds);
        // There to be found, so that an extraction on leaving would be recorded.
        machine.addRecorder(kExtractProgram);

        SceneDriver scene(machine);
        STEP(start(scene));
        STEP(agree(scene, input));
        QCOMPARE(tileNames(scene, 4), (QStringList{"ZYM AHCI Compatible SATA RAID Driver", "ZYM RAIDMavel2 Utility",
                                                   "ZYM PCI Device Driver", "ZYM GPIO Driver"}));
        QCOMPARE(scene.value(QStringLiteral("driverTile2"), "strDriverVersion").toString(),
                 QStringLiteral("Version: 1.0.0.75"));
        STEP(untick(scene, input, untickedTile));
        STEP(install(scene, input));

        QCOMPARE(scene.isShown(QStringLiteral("recExitAndRestart")), restartFlagged);
        const qreal footerWidth = scene.item(QStringLiteral("mainFooter"))->width();
        QCOMPARE(scene.item(QStringLiteral("recExitWithoutRestart"))->width(),
                 restartFlagged ? footerWidth / 2 : footerWidth);
        QCOMPARE(machine.recordedRuns(), (QList<QStringList>{{"ZYM_Chipset_Drivers.exe", "/S", properties, "/clone_wait"}}));

        // The log opens and the window stays.
        STEP(activate(scene, input, QStringLiteral("recViewLog"), Qt::Key_Enter, Qt::KeypadModifier));
        QCOMPARE(machine.urlOpener.opened, QList<QUrl>{kLogUrl});
        QCOMPARE(scene.quitRequests(), 0);

        STEP(activate(scene, input, ending));
        QCOMPARE(scene.quitRequests(), 1);
        using Restarts = QList<QPair<unsigned, unsigned>>;
        const Restarts restarts = ending == QLatin1String("recExitAndRestart") ? Restarts{{0x42, 4}} : Restarts();
        QCOMPARE(machine.shutdown.restarts, restarts);
        // Once an installer has run, leaving extracts nothing.
        QVERIFY(scene.waitForPrograms());
        QCOMPARE(machine.recordedRuns().size(), 1);
        QVERIFY(scene.browserUrls().isEmpty());
    }

    void removals_data()
    {
        QTest::addColumn<Input>("input");
        QTest::addColumn<int>("untickedTile");
        QTest::addColumn<QStringList>("arguments");

        for (Input input : {Input::Mouse, Input::Keyboard}) {
            const QString by = QStringLiteral(", by ") + inputName(input);
            QTest::newRow(qPrintable(QStringLiteral("every tile ticked removes all") + by))
                << input << -1 << QStringList{"/x", kProductCode, "REMOVE=ALL", "/qn"};
            QTest::newRow(qPrintable(QStringLiteral("one tile unticked removes the others") + by))
                << input << 1 << QStringList{"/i", kProductCode, "REMOVE=PCI,CIR", "/qn"};
        }
    }

    void removals()
    {
        QFETCH(Input, input);
        QFETCH(int, untickedTile);
        QFETCH(QStringList, arguments);

        TestMachine machine;
        machine.setArguments({QStringLiteral("/U"), kProductCode});
        machine.writeRegistry(kIoDriverSection + QStringLiteral("\"DeployedFeatures\"=\"PCI,GPIO2,SMBUS,CIR\"\r\n"));
        machine.addRecorder(kMsiExec, kInstallerSeconds);
        // There to be found, so that an extraction on leaving would be recorded.
        machine.addRecorder(kExtractProgram);

        SceneDriver scene(machine);
        STEP(start(scene));
        QVERIFY(scene.isShown(QStringLiteral("recDriverContent")));
        QCOMPARE(tileNames(scene, 3),
                 (QStringList{"ZYM PCI Device Driver", "ZYM SMBus Driver", "ZYM Consumer Infrared Driver"}));
        QVERIFY(!scene.item(QStringLiteral("driverTile3")));
        if (untickedTile >= 0)
            STEP(untick(scene, input, untickedTile));

        STEP(activate(scene, input, QStringLiteral("recUninstallButton")));
        QTRY_VERIFY(scene.isShown(QStringLiteral("recProgressBar")));
        QCOMPARE(scene.statusText(), QStringLiteral("Uninstalling.."));
        QVERIFY(scene.isShown(QStringLiteral("recIndicatorForUninstall")));
        QVERIFY(!scene.value(QStringLiteral("recAppClose"), "enabled").toBool());

        QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(),
                                  QStringLiteral("Successfully Uninstalled"), kCompletionTimeoutMs);
        QVERIFY(!scene.isShown(QStringLiteral("recIndicatorForUninstall")));
        QVERIFY(!scene.isShown(QStringLiteral("recUninstallButton")));
        QVERIFY(scene.value(QStringLiteral("recAppClose"), "enabled").toBool());
        // No installation log after a removal.
        QVERIFY(!scene.isShown(QStringLiteral("recViewLog")));
        QCOMPARE(machine.recordedRuns(), QList<QStringList>{QStringList{"MsiExec.exe"} + arguments});

        STEP(activate(scene, input, QStringLiteral("recFinishButton")));
        QCOMPARE(scene.quitRequests(), 1);
        QVERIFY(scene.waitForPrograms());
        QCOMPARE(machine.recordedRuns().size(), 1);
        QVERIFY(machine.shutdown.restarts.isEmpty());
        QVERIFY(machine.urlOpener.opened.isEmpty());
    }

    void nothingOffered_data()
    {
        QTest::addColumn<Input>("input");
        QTest::newRow("mouse") << Input::Mouse;
        QTest::newRow("keyboard") << Input::Keyboard;
    }

    void nothingOffered()
    {
        QFETCH(Input, input);

        TestMachine machine;
        machine.addRecorder(kExtractProgram);

        SceneDriver scene(machine);
        STEP(start(scene));
        QVERIFY(scene.isShown(QStringLiteral("recSystemUpdate")));
        QVERIFY(!scene.isShown(QStringLiteral("recLicenseTab")));
        QVERIFY(!scene.isShown(QStringLiteral("recDriverstab")));
        QVERIFY(scene.isShown(QStringLiteral("recForSystemUpdate")));
        QCOMPARE(scene.value(QStringLiteral("textSystemUpdate"), "strText").toString(),
                 QStringLiteral("System configuration is not compatible for RAID drivers or applications installation."));

        STEP(activate(scene, input, QStringLiteral("recCloseButton")));
        QCOMPARE(scene.quitRequests(), 1);
        QVERIFY(scene.waitForPrograms());
        QCOMPARE(machine.recordedRuns(), QList<QStringList>{kExtractRun});
    }

    void titleBarClose_data()
    {
        QTest::addColumn<Input>("input");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("stage");
        QTest::addColumn<bool>("extracts");

        for (Input input : {Input::Mouse, Input::Keyboard}) {
            const QString by = QStringLiteral(", by ") + inputName(input);
            QTest::newRow(qPrintable(QStringLiteral("licence extracts") + by)) << input << "install" << "licence" << true;
            QTest::newRow(qPrintable(QStringLiteral("agreed, not installed, extracts") + by))
                << input << "install" << "agreed" << true;
            QTest::newRow(qPrintable(QStringLiteral("installed only quits") + by))
                << input << "install" << "installed" << false;
            QTest::newRow(qPrintable(QStringLiteral("removal mode only quits") + by))
                << input << "removal" << "start" << false;
            QTest::newRow(qPrintable(QStringLiteral("nothing offered extracts") + by))
                << input << "notice" << "start" << true;
        }
    }

    void titleBarClose()
    {
        QFETCH(Input, input);
        QFETCH(QString, mode);
        QFETCH(QString, stage);
        QFETCH(bool, extracts);

        TestMachine machine;
        if (mode == QLatin1String("install"))
            prepareInstallMode(machine);
        else if (mode == QLatin1String("removal"))
            machine.setArguments({QStringLiteral("/U"), kProductCode});
        machine.writeRegistry(kIoDriverSection + QStringLiteral("\"DeployedFeatures\"=\"PCI,CIR\"\r\n"));
        machine.addRecorder(kSetupProgram, 1);
        machine.addRecorder(kMsiExec);
        machine.addRecorder(kExtractProgram);

        SceneDriver scene(machine);
        STEP(start(scene));
        if (stage != QLatin1String("licence") && stage != QLatin1String("start"))
            STEP(agree(scene, input));
        if (stage == QLatin1String("installed"))
            STEP(install(scene, input));
        const QList<QStringList> before = machine.recordedRuns();

        STEP(activate(scene, input, QStringLiteral("recAppClose")));
        QCOMPARE(scene.quitRequests(), 1);
        QVERIFY(scene.waitForPrograms());
        QCOMPARE(machine.recordedRuns(), extracts ? before + QList<QStringList>{kExtractRun} : before);
        QVERIFY(machine.shutdown.restarts.isEmpty());
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
