#include "tests/scenedriver.h"
#include "tests/testplatform.h"
#include "tests/warningrecorder.h"

#include <QAccessible>
#include <QFile>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

// The whole application, end to end: the real backend objects and the
// compiled-in scene on a simulated machine whose installers are stand-ins that
// note what they were given. The rows mix mouse, keyboard and assistive
// technology, and every test fails on any warning the scene prints.

namespace {

// A window close request is what a window manager, Alt+F4 or the taskbar sends.
// Assistive: the accessible action a screen reader would trigger.
enum class Input { Mouse, Keyboard, Assistive, CloseRequest };

const QString kSetupProgram = QStringLiteral("..\\Packages\\ZYM_Chipset_Drivers.exe");
const QString kExtractProgram =
    QStringLiteral("C:\\ZYM\\Chipset_Driver_Installer\\ChipsetDriversExtract\\MSIFiles\\Packages\\ZYM_Chipset_Drivers.exe");
const QString kMsiExec = QStringLiteral("C:\\Windows\\System32\\MsiExec.exe");
const QString kIoDriverSection = QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers]\r\n");
const QString kRestartFlag = kIoDriverSection + QStringLiteral("\"REBOOTSTATUS\"=\"YES\"\r\n");
const QString kProductCode = QStringLiteral("{4D2E1C3B-5A6F-4789-8ABC-DEF012345678}");
const QStringList kFourDrivers{"/SETZYM_RAID", "/SETRAIDMAVEL", "/SETPCI", "/SETGPIO2"};
const QStringList kTitleBar{"logoButton", "recAppMinimize", "recAppClose"};
const QStringList kExtractRun{"ZYM_Chipset_Drivers.exe", "/S", "/v EXTRACTONLY=1 /qr"};
const QUrl kLogUrl(QStringLiteral("file:///C:/Users/Tester/ZYM_Chipset_IODrivers.log"));
// Long enough to watch the installer run, short enough for the whole program.
constexpr double kInstallerSeconds = 1.5;
constexpr int kCompletionTimeoutMs = 15000;

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
        if (input == Input::Assistive) {
            QAccessibleInterface *control = QAccessible::queryAccessibleInterface(scene.item(name));
            QVERIFY2(control && control->actionInterface(), qPrintable(name + QStringLiteral(" has no action")));
            const QStringList actions = control->actionInterface()->actionNames();
            control->actionInterface()->doAction(actions.contains(QAccessibleActionInterface::toggleAction())
                                                     ? QAccessibleActionInterface::toggleAction()
                                                     : QAccessibleActionInterface::pressAction());
            return;
        }
        QVERIFY2(scene.tabTo(name), qPrintable(name + QStringLiteral(" never gets the keyboard")));
        scene.key(key, modifiers);
    }

    // What assistive technology and the keyboard reach at this stage: every control named, and
    // the Tab chain from the control that has the keyboard.
    static void reachable(SceneDriver &scene, const QString &first, const QStringList &chain)
    {
        QCOMPARE(scene.unnamedControls(), QStringList());
        QCOMPARE(scene.focusedName(), first);
        QCOMPARE(scene.tabChain(chain.size()), chain);
    }

    static void start(SceneDriver &scene)
    {
        QVERIFY2(scene.start(), "the scene loads and its window becomes active");
    }

    // Licence, agree, then the driver tiles with the Install button in place. Agreed twice, as a
    // hand double-clicks (at the right end of the bar, where Install comes in) or a key repeats:
    // it agrees once and starts nothing.
    static void agree(SceneDriver &scene, Input input)
    {
        QVERIFY(scene.isShown(QStringLiteral("recForLictab")));
        if (input == Input::Mouse) {
            const QQuickItem *bar = scene.item(QStringLiteral("recAcceptButton"));
            const QPoint point = bar->mapToScene(QPointF(bar->width() - 2, bar->height() / 2)).toPoint();
            QTest::mouseClick(scene.window(), Qt::LeftButton, Qt::NoModifier, point);
            QTest::mouseClick(scene.window(), Qt::LeftButton, Qt::NoModifier, point, 150);
        } else {
            activate(scene, input, QStringLiteral("recAcceptButton"), Qt::Key_Space);
            if (input == Input::Keyboard)
                scene.key(Qt::Key_Space);
        }
        QTRY_VERIFY(scene.isShown(QStringLiteral("recDriverContent")));
        QVERIFY(!scene.isShown(QStringLiteral("recForLictab")));
        QVERIFY(scene.value(QStringLiteral("checkboxAgree"), "bChecked").toBool());
        // A pointer can only hit the button once it has slid in.
        QTRY_COMPARE(scene.value(QStringLiteral("recInstallButton"), "x").toReal(), 0.0);
        QVERIFY(scene.value(QStringLiteral("recInstallButton"), "enabled").toBool());
        QVERIFY(!scene.isShown(QStringLiteral("recProgressBar")));
    }

    // Keys on buttons while an installer runs act on nothing, not even on a hidden button that
    // holds the keyboard.
    static void pressOnHidden(SceneDriver &scene, const QStringList &names)
    {
        for (const QString &name : names) {
            scene.item(name)->forceActiveFocus();
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter})
                scene.key(key);
        }
        QCOMPARE(scene.quitRequests(), 0);
    }

    static void untick(SceneDriver &scene, Input input, int tile)
    {
        const QString name = QStringLiteral("driverTile%1").arg(tile);
        activate(scene, input, name, Qt::Key_Space);
        QCOMPARE(scene.value(name, "bCheckboxChecked").toBool(), false);
        QVERIFY(!QAccessible::queryAccessibleInterface(scene.item(name))->state().checked);
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
        pressOnHidden(scene, {"recInstallButton", "recAcceptButton", "recExitAndRestart", "recExitWithoutRestart",
                              "recViewLog", "recCloseButton"});

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

        QTest::newRow("restart flagged, Restart Now, by mouse")
            << Input::Mouse << false << true << 2 << "/vQTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES SETGPIO2=YES /qr"
            << "recExitAndRestart";
        QTest::newRow("package installed, Close, by keyboard")
            << Input::Keyboard << true << true << 2
            << "/vQTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES SETGPIO2=YES ADDLOCAL=ZYM_RAID,RAIDMAVEL,GPIO2 /qr"
            << "recExitWithoutRestart";
        QTest::newRow("no restart flagged, Close, by assistive actions")
            << Input::Assistive << false << false << 3 << "/vQTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES SETPCI=YES /qr"
            << "recExitWithoutRestart";
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
            machine.addRegistryWriter(kSetupProgram,
                                      QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers"),
                                      QStringLiteral("REBOOTSTATUS"), QStringLiteral("YES"), kInstallerSeconds);
        else
            machine.addRecorder(kSetupProgram, kInstallerSeconds);
        // There to be found, so that an extraction on leaving would be recorded.
        machine.addRecorder(kExtractProgram);

        SceneDriver scene(machine);
        STEP(start(scene));
        const QStringList tabs{"recLicenseTab", "recDriverstab"};
        STEP(reachable(scene, "flickableForLicense",
                       QStringList{"recAcceptButton"} + kTitleBar + tabs + QStringList{"flickableForLicense"}));
        STEP(agree(scene, input));
        if (input == Input::Mouse)
            STEP(reachable(scene, "recInstallButton",
                           kTitleBar + tabs + QStringList{"driverTile0", "driverTile1", "driverTile2", "driverTile3", "recInstallButton"}));
        // A tile is a check box to assistive technology, with its name, version and tick.
        QAccessibleInterface *tile = QAccessible::queryAccessibleInterface(scene.item(QStringLiteral("driverTile2")));
        QCOMPARE(tile->role(), QAccessible::CheckBox);
        QCOMPARE(tile->text(QAccessible::Name), QStringLiteral("ZYM PCI Device Driver"));
        QCOMPARE(tile->text(QAccessible::Description), QStringLiteral("Version: 1.0.0.75"));
        QVERIFY(tile->state().checkable && tile->state().checked);
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
        if (!restartFlagged)
            QCOMPARE(scene.focusedName(), QStringLiteral("recExitWithoutRestart"));
        else
            STEP(reachable(scene, "recExitAndRestart",
                           QStringList{"recExitWithoutRestart"} + kTitleBar + QStringList{"recViewLog", "recExitAndRestart"}));

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
        QTest::addColumn<int>("exitCode");

        // An earlier install's restart flag is set throughout: only the removal's own exit code
        // may offer a restart.
        QTest::newRow("every tile ticked removes all, by keyboard")
            << Input::Keyboard << -1 << QStringList{"/x", kProductCode, "REMOVE=ALL", "/qn"} << 0;
        QTest::newRow("one tile unticked removes the others, by mouse")
            << Input::Mouse << 1 << QStringList{"/i", kProductCode, "REMOVE=PCI,CIR", "/qn"} << 0;
        QTest::newRow("3010 offers a restart beside Finish, by assistive actions")
            << Input::Assistive << -1 << QStringList{"/x", kProductCode, "REMOVE=ALL", "/qn"} << 3010;
    }

    void removals()
    {
        QFETCH(Input, input);
        QFETCH(int, untickedTile);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);

        TestMachine machine;
        machine.setArguments({QStringLiteral("/U"), kProductCode});
        machine.writeRegistry(kRestartFlag + QStringLiteral("\"DeployedFeatures\"=\"PCI,GPIO2,SMBUS,CIR\"\r\n"));
        machine.addRecorder(kMsiExec, kInstallerSeconds, exitCode);
        // There to be found, so that an extraction on leaving would be recorded.
        machine.addRecorder(kExtractProgram);

        SceneDriver scene(machine);
        STEP(start(scene));
        QVERIFY(scene.isShown(QStringLiteral("recDriverContent")));
        QCOMPARE(tileNames(scene, 3),
                 (QStringList{"ZYM PCI Device Driver", "ZYM SMBus Driver", "ZYM Consumer Infrared Driver"}));
        QVERIFY(!scene.item(QStringLiteral("driverTile3")));
        STEP(reachable(scene, "recUninstallButton",
                       kTitleBar + QStringList{"recDriverstab", "driverTile0", "driverTile1", "driverTile2", "recUninstallButton"}));
        if (untickedTile >= 0)
            STEP(untick(scene, input, untickedTile));

        STEP(activate(scene, input, QStringLiteral("recUninstallButton")));
        QTRY_VERIFY(scene.isShown(QStringLiteral("recProgressBar")));
        QCOMPARE(scene.statusText(), QStringLiteral("Uninstalling.."));
        QVERIFY(scene.isShown(QStringLiteral("recIndicatorForUninstall")));
        QVERIFY(!scene.value(QStringLiteral("recAppClose"), "enabled").toBool());
        STEP(pressOnHidden(scene, {"recUninstallButton", "recFinishButton", "recUninstallRestartButton", "recCloseButton"}));

        QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(),
                                  QStringLiteral("Successfully Uninstalled"), kCompletionTimeoutMs);
        QVERIFY(!scene.isShown(QStringLiteral("recIndicatorForUninstall")));
        QVERIFY(!scene.isShown(QStringLiteral("recUninstallButton")));
        QVERIFY(scene.value(QStringLiteral("recAppClose"), "enabled").toBool());
        QCOMPARE(scene.unnamedControls(), QStringList());
        // No installation log after a removal.
        QVERIFY(!scene.isShown(QStringLiteral("recViewLog")));
        const bool restart = exitCode == 3010;
        // The keyboard is on the button that ends the run.
        if (!restart)
            QCOMPARE(scene.focusedName(), QStringLiteral("recFinishButton"));
        QCOMPARE(scene.isShown(QStringLiteral("recUninstallRestartButton")), restart);
        QCOMPARE(scene.item(QStringLiteral("recFinishButton"))->width(),
                 scene.item(QStringLiteral("recUninstallFooter"))->width() / (restart ? 2 : 1));
        QCOMPARE(machine.recordedRuns(), QList<QStringList>{QStringList{"MsiExec.exe"} + arguments});

        STEP(activate(scene, input, QStringLiteral("recFinishButton")));
        QCOMPARE(scene.quitRequests(), 1);
        QVERIFY(scene.waitForPrograms());
        QCOMPARE(machine.recordedRuns().size(), 1);
        QVERIFY(machine.shutdown.restarts.isEmpty());
        QVERIFY(machine.urlOpener.opened.isEmpty());
    }

    void nothingOffered()
    {
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

        // The smallest window, on the test platform's 800 x 600 screen.
        QCOMPARE(scene.window()->size(), QSize(800, 393));
        QCOMPARE(scene.item(QStringLiteral("recMainHeader"))->height(), 37.0);
        STEP(reachable(scene, "recCloseButton", kTitleBar + QStringList{"recSystemUpdate", "recCloseButton"}));

        STEP(activate(scene, Input::Keyboard, QStringLiteral("recCloseButton")));
        QCOMPARE(scene.quitRequests(), 1);
        QVERIFY(scene.waitForPrograms());
        QCOMPARE(machine.recordedRuns(), QList<QStringList>{kExtractRun});
    }

    // The halo in the strip left of the logo, as drawn: a quarter strength at rest, full when
    // hovered or focused, none while pressed, and each change drawn over the animation's length.
    void titleBarHalo()
    {
        TestMachine machine;
        prepareInstallMode(machine);
        SceneDriver scene(machine);
        STEP(start(scene));
        QQuickItem *logo = scene.item(QStringLiteral("logoButton"));
        QObject *glow = logo->findChild<QObject *>(QStringLiteral("glowIcon"));
        QVERIFY(glow);
        // Clear of the focus frame along the button's edges.
        const QRect strip = logo->mapRectToScene(QRectF(2, 2, 12, logo->height() - 4)).toRect();
        const auto brightness = [&] {
            const QImage image = scene.grab();
            int sum = 0;
            for (int y = strip.top(); y <= strip.bottom(); ++y)
                for (int x = strip.left(); x <= strip.right(); ++x)
                    sum += qRed(image.pixel(x, y));
            return sum;
        };
        const auto settle = [&](const char *color) { QTRY_COMPARE(glow->property("color").value<QColor>(), QColor(color)); };
        const QPoint onLogo = logo->mapToScene(QPointF(40, 10)).toPoint();
        const QPoint away = scene.item(QStringLiteral("recKaltoText"))->mapToScene(QPointF(10, 10)).toPoint();

        const int rest = brightness();
        QTest::mouseMove(scene.window(), onLogo);
        settle("#ffffff");
        const int hovered = brightness();
        QTest::mousePress(scene.window(), Qt::LeftButton, Qt::NoModifier, onLogo);
        settle("#00ffffff");
        QCOMPARE(brightness(), 0);
        QTest::mouseRelease(scene.window(), Qt::LeftButton, Qt::NoModifier, away);
        QTest::mouseMove(scene.window(), away);
        logo->forceActiveFocus();
        settle("#ffffff");
        QCOMPARE(brightness(), hovered);
        QVERIFY2(hovered > 20 * strip.width() * strip.height() / 10, qPrintable(QString::number(hovered)));
        QVERIFY2(qAbs(rest / double(hovered) - 0.25) < 0.02, qPrintable(QStringLiteral("%1 of %2").arg(rest).arg(hovered)));

        logo->setProperty("quickAnimationDuration", 1000);
        scene.item(QStringLiteral("recKaltoText"))->forceActiveFocus();
        QTRY_VERIFY2([&] { const int now = brightness(); return now > rest * 1.2 && now < hovered * 0.9; }(),
                     "the halo fades through the values between");
        settle("#40ffffff");
        QCOMPARE(brightness(), rest);
        QVERIFY(scene.browserUrls().isEmpty());
    }

    void titleBarClose_data()
    {
        QTest::addColumn<Input>("input");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("stage");
        QTest::addColumn<bool>("extracts");

        QTest::newRow("licence extracts, by mouse") << Input::Mouse << "install" << "licence" << true;
        QTest::newRow("agreed, not installed, extracts, by a window close request")
            << Input::CloseRequest << "install" << "agreed" << true;
        QTest::newRow("installed only quits, by keyboard") << Input::Keyboard << "install" << "installed" << false;
        QTest::newRow("removal mode only quits, by a window close request")
            << Input::CloseRequest << "removal" << "start" << false;
        QTest::newRow("nothing offered extracts, by assistive action") << Input::Assistive << "notice" << "start" << true;
        // The title bar's Close is disabled then, which install() checks.
        QTest::newRow("refused while the installer runs, by a window close request")
            << Input::CloseRequest << "install" << "installing" << false;
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
        const Input steps = input == Input::CloseRequest || input == Input::Assistive ? Input::Mouse : input;
        if (stage != QLatin1String("licence") && stage != QLatin1String("start"))
            STEP(agree(scene, steps));
        if (stage == QLatin1String("installed"))
            STEP(install(scene, steps));
        if (stage == QLatin1String("installing")) {
            STEP(activate(scene, steps, QStringLiteral("recInstallButton")));
            QTRY_VERIFY(scene.isShown(QStringLiteral("recIndicator")));
            QVERIFY(!scene.window()->close());
            QVERIFY(scene.window()->isVisible());
            QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(), QStringLiteral("Successfully Installed"),
                                      kCompletionTimeoutMs);
            QCOMPARE(scene.quitRequests(), 0);
        }
        const QList<QStringList> before = machine.recordedRuns();

        if (input == Input::CloseRequest)
            scene.window()->close();
        else
            STEP(activate(scene, input, QStringLiteral("recAppClose")));
        QCOMPARE(scene.quitRequests(), 1);
        // A repeated request changes nothing.
        scene.window()->close();
        QCOMPARE(scene.quitRequests(), 1);
        QVERIFY(scene.waitForPrograms());
        QCOMPARE(machine.recordedRuns(), extracts ? before + QList<QStringList>{kExtractRun} : before);
        QVERIFY(machine.shutdown.restarts.isEmpty());
    }

    // What the page offers once the installer has ended, for the ends that differ in what
    // follows; the whole exit-code table is tst_installoutcome's.
    void outcomes_data()
    {
        QTest::addColumn<int>("exitCode"); // -1: the installer kills itself
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("restart");
        QTest::addColumn<bool>("retry"); // the choice offered again, and leaving extracts
        QTest::newRow("3010 offers a restart the package did not flag")
            << 3010 << "Successfully Installed" << true << false;
        QTest::newRow("1618 offers the choice again")
            << 1618 << "Another installation is in progress. Try again when it has finished." << false << true;
        QTest::newRow("a crash is no success") << -1 << "Installation failed (error 9)" << false << false;
    }

    void outcomes()
    {
        QFETCH(int, exitCode);
        QFETCH(QString, text);
        QFETCH(bool, restart);
        QFETCH(bool, retry);

        TestMachine machine;
        prepareInstallMode(machine);
        machine.addRecorder(kSetupProgram, 0.3, qMax(exitCode, 0));
        if (exitCode < 0) {
            QFile script(machine.setupProgramPath());
            QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
            script.write("#!/bin/sh\nkill -9 $$\n");
        }
        machine.addRecorder(kExtractProgram);
        SceneDriver scene(machine);
        STEP(start(scene));
        STEP(agree(scene, Input::Mouse));
        STEP(activate(scene, Input::Mouse, QStringLiteral("recInstallButton")));
        QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(), text, kCompletionTimeoutMs);
        QVERIFY(!scene.isShown(QStringLiteral("recIndicator")));
        QCOMPARE(scene.isShown(QStringLiteral("recInstallButton")), retry);
        QCOMPARE(scene.value(QStringLiteral("recInstallButton"), "enabled").toBool(), retry);
        QCOMPARE(scene.isShown(QStringLiteral("recExitAndRestart")), restart);
        QTRY_COMPARE(scene.isShown(QStringLiteral("recViewLog")), !retry);
        QVERIFY(scene.waitForPrograms());
        const int runs = machine.recordedRuns().size();

        STEP(activate(scene, Input::Keyboard, QStringLiteral("recAppClose")));
        QCOMPARE(scene.quitRequests(), 1);
        QVERIFY(scene.waitForPrograms());
        QCOMPARE(machine.recordedRuns().size(), runs + (retry ? 1 : 0));
        QVERIFY(machine.shutdown.restarts.isEmpty());
    }

    // A start that fails says so and leaves Install ready; the next press starts the installer.
    void retryAfterFailedStart()
    {
        TestMachine machine;
        prepareInstallMode(machine); // no setup program yet
        SceneDriver scene(machine);
        STEP(start(scene));
        STEP(agree(scene, Input::Keyboard));
        STEP(activate(scene, Input::Keyboard, QStringLiteral("recInstallButton")));
        QTRY_COMPARE(scene.statusText(), QStringLiteral("Installation could not be started"));
        QVERIFY(scene.value(QStringLiteral("recInstallButton"), "enabled").toBool());
        QVERIFY(!scene.isShown(QStringLiteral("recIndicator")));

        machine.addRecorder(kSetupProgram, 0.3);
        QVERIFY(scene.click(QStringLiteral("recInstallButton")));
        QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(), QStringLiteral("Successfully Installed"), kCompletionTimeoutMs);
        QCOMPARE(machine.recordedRuns().size(), 1);
    }

    // After a cancelled run the tiles come back above the status strip: every one can be reached
    // and seen whole, none sits under the scroll bar, and a click on the strip ticks nothing.
    void cancelledRunKeepsTilesInReach()
    {
        TestMachine machine;
        QStringList switches;
        for (int i = 0; i < 9; ++i)
            switches << QStringLiteral("/SETPCI") << QStringLiteral("/SETGPIO2") << QStringLiteral("/SETCIR");
        machine.setArguments(switches);
        machine.addRecorder(kSetupProgram, 0.3, 1602);
        SceneDriver scene(machine);
        STEP(start(scene));
        STEP(agree(scene, Input::Mouse));
        STEP(activate(scene, Input::Mouse, QStringLiteral("recInstallButton")));
        QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(), QStringLiteral("Installation cancelled"), kCompletionTimeoutMs);
        const QQuickItem *strip = scene.item(QStringLiteral("recProgressBar"));
        QTRY_COMPARE(strip->height(), scene.item(QStringLiteral("recMainHeader"))->height());
        const qreal stripTop = strip->mapToScene(QPointF()).y();
        const QQuickItem *scrollBar = scene.item(QStringLiteral("scrollBarGrid"));
        QVERIFY(scrollBar && scrollBar->isVisible());
        const qreal scrollBarLeft = scrollBar->mapToScene(QPointF()).x();

        for (int i = 0; i < switches.size(); ++i) {
            const QString name = QStringLiteral("driverTile%1").arg(i);
            QVERIFY2(scene.tabTo(name, 60), qPrintable(name));
            const QQuickItem *tile = scene.item(name);
            QVERIFY2(tile->mapToScene(QPointF(0, tile->height())).y() <= stripTop, qPrintable(name));
            const QQuickItem *version = tile->findChild<QQuickItem *>(QStringLiteral("textDriverVersion"));
            QVERIFY2(version->mapToScene(QPointF(version->width(), 0)).x() <= scrollBarLeft, qPrintable(name));
        }
        QVERIFY(scene.click(QStringLiteral("recProgressBar")));
        for (int i = 0; i < switches.size(); ++i)
            QVERIFY(scene.value(QStringLiteral("driverTile%1").arg(i), "bCheckboxChecked").toBool());
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
