#include "backend/installoutcome.h"
#include "backend/productpaths.h"
#include "tests/scenedriver.h"
#include "tests/testplatform.h"
#include "tests/warningrecorder.h"

#include <QAccessible>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

// The whole application, end to end: the real backend objects and the compiled-in scene on a simulated machine whose
// installers are stand-ins that note what they were given. Each flow mixes mouse and keyboard; tests/screenreader.sh
// listens to it on the accessibility bus.

namespace {

// A window close request is what a window manager, Alt+F4 or the taskbar sends.
enum class Input { Mouse, Keyboard, CloseRequest };

const QString kSetupProgram = ProductPaths::setupProgramFromFrontEnd;
const QString kExtractProgram = ProductPaths::extractOnlyProgram;
const QString kIoDriverSection = QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers]\r\n");
const QString kProductCode = QStringLiteral("{4D2E1C3B-5A6F-4789-8ABC-DEF012345678}");
const QStringList kFourDrivers{"/SETZYM_RAID", "/SETRAIDMAVEL", "/SETPCI", "/SETGPIO2"};
const QStringList kTitleBar{"logoButton", "recAppMinimize", "recAppClose"};
const QStringList kExtractRun{"ZYM_Chipset_Drivers.exe", "/S", "/v EXTRACTONLY=1 /qr"};
// Long enough to watch the installer run, short enough for the whole program.
constexpr double kInstallerSeconds = 1.5;
constexpr int kCompletionTimeoutMs = 15000;

Input other(Input input)
{
    return input == Input::Mouse ? Input::Keyboard : Input::Mouse;
}

} // namespace

Q_DECLARE_METATYPE(Input)

class TestEndToEnd : public WarningRecorder
{
    Q_OBJECT

private:
    // A click on the control, or Tab until it has the keyboard and then `key`.
    static void activate(SceneDriver &scene, Input input, const QString &name, Qt::Key key = Qt::Key_Return,
                         Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        if (input == Input::Mouse) {
            QVERIFY2(scene.click(name), qPrintable(name + QStringLiteral(" is not shown")));
        } else {
            QVERIFY2(scene.tabTo(name), qPrintable(name + QStringLiteral(" never gets the keyboard")));
            scene.key(key, modifiers);
        }
    }

    // The colour drawn `x` pixels inside the control's left edge, halfway down: the focus ring lies 2 to 4 pixels in.
    static QColor drawnAt(SceneDriver &scene, const QString &name, qreal x = 3)
    {
        const QQuickItem *control = scene.item(name);
        return scene.grab().pixelColor(control->mapToScene(QPointF(x, control->height() / 2)).toPoint());
    }

    // What the keyboard reaches at this stage: the ring on the control that has the keyboard
    // alone, and the Tab chain from it.
    static void reachable(SceneDriver &scene, const QString &first, const QStringList &chain)
    {
        QCOMPARE(scene.focusedName(), first);
        QCOMPARE(drawnAt(scene, first), QColor(Qt::white));
        QVERIFY(drawnAt(scene, chain.first()) != QColor(Qt::white));
        QCOMPARE(scene.tabChain(chain.size()), chain);
    }

    // Licence, agree, then the driver tiles with the Install button in place. Agreed twice, as a hand double-clicks (at
    // the right end of the bar, where Install comes in) or a key repeats: it agrees once and starts nothing.
    static void agree(SceneDriver &scene, Input input)
    {
        QVERIFY(scene.isShown("recForLictab"));
        if (input == Input::Mouse) {
            const QQuickItem *bar = scene.item("recAcceptButton");
            const QPoint point = bar->mapToScene(QPointF(bar->width() - 2, bar->height() / 2)).toPoint();
            QTest::mouseClick(scene.window(), Qt::LeftButton, Qt::NoModifier, point);
            QTest::mouseClick(scene.window(), Qt::LeftButton, Qt::NoModifier, point, 150);
        } else {
            activate(scene, input, "recAcceptButton", Qt::Key_Space);
            scene.key(Qt::Key_Space);
        }
        QTRY_VERIFY(scene.isShown("recDriverContent"));
        QVERIFY(!scene.isShown("recForLictab"));
        QVERIFY(scene.value("checkboxAgree", "bChecked").toBool());
        // A pointer can only hit the button once it has slid in.
        QTRY_COMPARE(scene.value("recInstallButton", "x").toReal(), 0.0);
        QVERIFY(scene.value("recInstallButton", "enabled").toBool());
        QVERIFY(!scene.isShown("recProgressBar"));
    }

    // While an installer runs the title bar's Close is disabled and out of the Tab chain, and
    // keys on buttons act on nothing, not even on a hidden button that holds the keyboard.
    static void busy(SceneDriver &scene, const QString &status, const QStringList &buttons)
    {
        QTRY_VERIFY(scene.isShown("recProgressBar"));
        QCOMPARE(scene.statusText(), status);
        // The dots turn, drawn by Qt Quick alone: no controls library is loaded for them.
        QTRY_VERIFY(scene.isShown("busyIndicator"));
        const QByteArray libraries = loadedLibraries();
        QVERIFY(libraries.contains("libQt5Quick.so") && !libraries.contains("libQt5QuickTemplates2"));
        QVERIFY(!scene.value("recAppClose", "enabled").toBool());
        QVERIFY(scene.click("recAppClose"));
        // It tells why; the pointer moves on before the popup shows.
        QCOMPARE(scene.window()->findChild<QObject *>("baseToolTip")->property("tooltip").toString(),
                 QStringLiteral("Available again when the installer has finished"));
        QTest::mouseMove(scene.window(), scene.item("recKaltoText")->mapToScene(QPointF(5, 5)).toPoint());
        QVERIFY(!scene.tabChain(6).contains(QStringLiteral("recAppClose")));
        // A button not made yet cannot act either.
        for (const QString &name : buttons) {
            QQuickItem *button = scene.item(name);
            if (!button)
                continue;
            button->forceActiveFocus();
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter})
                scene.key(key);
        }
        QCOMPARE(scene.quitRequests(), 0);
    }

    // Restart Now takes no press in its first second; the pointer waits where no tooltip shows.
    static void settle(SceneDriver &scene, const QString &name)
    {
        QTest::mouseMove(scene.window(), scene.item("recKaltoText")->mapToScene(QPointF(5, 5)).toPoint());
        QTRY_VERIFY(!scene.item(name)->findChild<QObject *>("timerSettle")->property("running").toBool());
    }

    // Unticks the tile of the driver in this version.
    static void untick(SceneDriver &scene, Input input, int tile, const QString &version)
    {
        const QString tileName = QStringLiteral("driverTile%1").arg(tile);
        QCOMPARE(scene.value(tileName, "strDriverVersion").toString(), version);
        activate(scene, input, tileName, Qt::Key_Space);
        QCOMPARE(scene.value(tileName, "bCheckboxChecked").toBool(), false);
    }

    // After a run that changed nothing the tiles come back above the status strip: every one can be
    // reached and seen whole, none sits under the scroll bar, and a click on the strip ticks nothing.
    static void tilesInReach(SceneDriver &scene, int count)
    {
        const QQuickItem *strip = scene.item("recProgressBar");
        QTRY_COMPARE(strip->height(), scene.item("recMainHeader")->height());
        const qreal stripTop = strip->mapToScene(QPointF()).y();
        const QQuickItem *scrollBar = scene.item("scrollBarGrid");
        QVERIFY(scrollBar && scrollBar->isVisible());
        const qreal scrollBarLeft = scrollBar->mapToScene(QPointF()).x();
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("driverTile%1").arg(i);
            QVERIFY2(scene.tabTo(name, 60), qPrintable(name));
            const QQuickItem *tile = scene.item(name);
            QVERIFY2(tile->mapToScene(QPointF(0, tile->height())).y() <= stripTop, qPrintable(name));
            const QQuickItem *version = tile->findChild<QQuickItem *>(QStringLiteral("textDriverVersion"));
            QVERIFY2(version->mapToScene(QPointF(version->width(), 0)).x() <= scrollBarLeft, qPrintable(name));
        }
        QVERIFY(scene.click("recProgressBar"));
        for (int i = 0; i < count; ++i)
            QVERIFY(scene.value(QStringLiteral("driverTile%1").arg(i), "bCheckboxChecked").toBool());
    }

    static QStringList tileNames(SceneDriver &scene, int count)
    {
        QStringList names;
        for (int i = 0; i < count; ++i)
            names << scene.value(QStringLiteral("driverTile%1").arg(i), "strDriverName").toString();
        return names;
    }

private slots:
    void installs_data()
    {
        QTest::addColumn<Input>("input"); // the other one takes turns with it
        QTest::addColumn<bool>("packageInstalled");
        QTest::addColumn<bool>("restartFlagged");
        QTest::addColumn<QString>("properties");

        QTest::newRow("restart flagged, Restart Now, starting by mouse")
            << Input::Mouse << false << true << "/vQTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES SETGPIO2=YES SETFOO=YES /qr";
        QTest::newRow("package installed, on Windows 7, Close, starting by keyboard") << Input::Keyboard << true << false
            << "/vQTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES SETGPIO2=YES SETFOO=YES ADDLOCAL=ZYM_RAID,RAIDMAVEL,GPIO2,FOO /qr";
    }

    void installs()
    {
        QFETCH(Input, input);
        QFETCH(bool, packageInstalled);
        QFETCH(bool, restartFlagged);
        QFETCH(QString, properties);

        TestMachine machine;
        // A RAID mode marker, given twice, and a key no feature can have are no rows; the unknown
        // switch has no tile and rides along. Windows 7 takes the older versions.
        machine.setArguments({"/SETZYM_RAID", "/SETRAIDMAVEL", "/SET_RAIDSATA", "/SETPCI", "/SETGPIO2", "/SET_RAIDSATA",
                              "/SET1X", "/SETFOO"});
        machine.systemInfo.version = input == Input::Keyboard ? "7" : "10"; // as Qt names them
        // A profile folder with a blank, # and %: the link must still name that file.
        machine.environment.variables.insert(QStringLiteral("userprofile"), QStringLiteral("C:\\Users\\dev#2 50%41"));
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
        QVERIFY(scene.start());
        const QStringList tabs{"recLicenseTab", "recDriverstab"};
        STEP(reachable(scene, "flickableForLicense",
                       QStringList{"recAcceptButton"} + kTitleBar + tabs + QStringList{"flickableForLicense"}));
        const QQuickItem *licence = scene.item("flickableForLicense");
        scene.key(Qt::Key_End, input == Input::Mouse ? Qt::NoModifier : Qt::ControlModifier);
        QCOMPARE(licence->property("contentY").toReal(), licence->property("contentHeight").toReal() - licence->height());
        scene.key(Qt::Key_Home);
        QCOMPARE(licence->property("contentY").toReal(), 0.0);
        // Each link opens its web page through the URL seam; the licence's whatever they name.
        STEP(activate(scene, input, "logoButton"));
        for (const char *text : {"textLicenseContent", "textLicenseContent2"})
            QMetaObject::invokeMethod(scene.item(text), "linkActivated", Q_ARG(QString, "file:///C:/Windows/notepad.exe"));
        QCOMPARE(machine.urlOpener.opened, (QList<QUrl>{QUrl("https://www.zym.example/"), QUrl("https://www.bis.doc.gov/"),
                                                        QUrl("https://www.bis.doc.gov/")}));
        machine.urlOpener.opened.clear();
        STEP(agree(scene, input));
        if (input == Input::Mouse)
            STEP(reachable(scene, "recInstallButton",
                           kTitleBar + tabs + QStringList{"driverTile0", "driverTile1", "driverTile2", "driverTile3", "recInstallButton"}));
        QCOMPARE(tileNames(scene, 4), (QStringList{"ZYM AHCI Compatible SATA RAID Driver", "ZYM RAIDMavel2 Utility",
                                                   "ZYM PCI Device Driver", "ZYM GPIO Driver"}));
        QVERIFY(!scene.isShown("driverTile4"));
        QVERIFY(!scene.item("driverTile5"));
        QCOMPARE(takeWarnings(), QStringList{"unknown switch /SETFOO has no tile: it is passed to the setup program with the drivers chosen"});
        STEP(untick(scene, other(input), 2, input == Input::Mouse ? "Version: 1.0.0.75" : "Version: 1.0.0.67"));

        STEP(activate(scene, other(input), "recInstallButton"));
        STEP(busy(scene, "Installing..", {"recInstallButton", "recAcceptButton", "recExitAndRestart",
                                          "recExitWithoutRestart", "recViewLog", "recCloseButton"}));
        QVERIFY(scene.isShown("recIndicator"));
        QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(), QStringLiteral("Successfully Installed"), kCompletionTimeoutMs);
        QVERIFY2(scene.waitForPrograms(0), "the end was shown while the installer the page started still ran");
        QVERIFY(!scene.isShown("recIndicator"));
        QVERIFY(scene.value("recAppClose", "enabled").toBool());
        QTRY_VERIFY(scene.isShown("recViewLog"));
        QCOMPARE(scene.isShown("recExitAndRestart"), restartFlagged);
        QCOMPARE(scene.item("recExitWithoutRestart")->width(), scene.item("mainFooter")->width() / (restartFlagged ? 2 : 1));
        QCOMPARE(machine.recordedRuns(), (QList<QStringList>{{"ZYM_Chipset_Drivers.exe", "/S", properties, "/clone_wait"}}));
        // The keyboard is on the button that ends the run.
        if (!restartFlagged) {
            QCOMPARE(scene.focusedName(), QStringLiteral("recExitWithoutRestart"));
        } else {
            // The pointer passes over the focused button and rests on the other: that one turns
            // green, the ring stays where the keyboard is.
            for (const char *name : {"recExitAndRestart", "recExitWithoutRestart"})
                QTest::mouseMove(scene.window(), scene.item(name)->mapToScene(QPointF(10, 10)).toPoint());
            QCOMPARE(drawnAt(scene, "recExitWithoutRestart", 10), QColor(0x22, 0x8b, 0x22));
            QTest::mouseMove(scene.window(), scene.item("recKaltoText")->mapToScene(QPointF(5, 5)).toPoint());
            STEP(reachable(scene, "recExitAndRestart",
                           QStringList{"recExitWithoutRestart"} + kTitleBar + QStringList{"recViewLog", "recExitAndRestart"}));
        }

        // The log opens and the window stays.
        STEP(activate(scene, input, "recViewLog", Qt::Key_Enter, Qt::KeypadModifier));
        QCOMPARE(machine.urlOpener.opened.size(), 1);
        QCOMPARE(machine.urlOpener.opened.first().toString(QUrl::FullyEncoded),
                 QStringLiteral("file:///C:/Users/dev%232%2050%2541/ZYM_Chipset_IODrivers.log"));
        QCOMPARE(machine.urlOpener.opened.first().path(), QStringLiteral("/C:/Users/dev#2 50%41/ZYM_Chipset_IODrivers.log"));
        QCOMPARE(scene.quitRequests(), 0);

        const QString closing = restartFlagged ? "recExitAndRestart" : "recExitWithoutRestart";
        STEP(settle(scene, closing));
        STEP(activate(scene, other(input), closing));
        QCOMPARE(scene.quitRequests(), 1);
        QCOMPARE(scene.exitCode(), restartFlagged ? 1641 : 0);
        using Restarts = QList<QPair<unsigned, unsigned>>;
        QCOMPARE(machine.shutdown.restarts, (restartFlagged ? Restarts{{0x42, 4}} : Restarts()));
        // Once an installer has run, leaving extracts nothing.
        QVERIFY(scene.waitForPrograms());
        QCOMPARE(machine.recordedRuns().size(), 1);
    }

    void removals_data()
    {
        QTest::addColumn<Input>("input");
        QTest::addColumn<int>("untickedTile");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");

        // An earlier install's restart flag is set throughout: only the removal's own exit code may offer a restart.
        QTest::newRow("every tile ticked removes all, by keyboard")
            << Input::Keyboard << -1 << QStringList{"/x", kProductCode, "REMOVE=ALL", "/qn"} << 0;
        QTest::newRow("the last tile unticked removes the others, 3010 offers a restart, by mouse")
            << Input::Mouse << 2 << QStringList{"/i", kProductCode, "REMOVE=PCI,SMBUS", "/qn"} << 3010;
    }

    void removals()
    {
        QFETCH(Input, input);
        QFETCH(int, untickedTile);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);

        TestMachine machine;
        machine.setArguments({QStringLiteral("/U"), kProductCode});
        machine.writeRegistry(kIoDriverSection
                              + QStringLiteral("\"REBOOTSTATUS\"=\"YES\"\r\n\"DeployedFeatures\"=\"PCI,GPIO2,SMBUS,CIR\"\r\n"));
        machine.addRecorder(ProductPaths::msiExec, kInstallerSeconds, exitCode);
        // There to be found, so that an extraction on leaving would be recorded.
        machine.addRecorder(kExtractProgram);

        SceneDriver scene(machine);
        QVERIFY(scene.start());
        QVERIFY(scene.isShown("recDriverContent"));
        QCOMPARE(tileNames(scene, 3),
                 (QStringList{"ZYM PCI Device Driver", "ZYM SMBus Driver", "ZYM Consumer Infrared Driver"}));
        QVERIFY(!scene.item("driverTile3"));
        STEP(reachable(scene, "recUninstallButton",
                       kTitleBar + QStringList{"recDriverstab", "driverTile0", "driverTile1", "driverTile2", "recUninstallButton"}));
        if (untickedTile >= 0)
            STEP(untick(scene, input, untickedTile, "3.2.4.135"));

        STEP(activate(scene, other(input), "recUninstallButton"));
        STEP(busy(scene, "Uninstalling..", {"recUninstallButton", "recFinishButton", "recUninstallRestartButton", "recCloseButton"}));
        QVERIFY(scene.isShown("recIndicatorForUninstall"));
        QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(), QStringLiteral("Successfully Uninstalled"), kCompletionTimeoutMs);
        QVERIFY(!scene.isShown("recIndicatorForUninstall"));
        QVERIFY(!scene.isShown("recUninstallButton"));
        QVERIFY(scene.value("recAppClose", "enabled").toBool());
        // No installation log after a removal.
        QVERIFY(!scene.isShown("recViewLog"));
        const bool restart = exitCode == 3010;
        QCOMPARE(scene.focusedName(), QString(restart ? "recUninstallRestartButton" : "recFinishButton"));
        QCOMPARE(scene.isShown("recUninstallRestartButton"), restart);
        QCOMPARE(scene.item("recFinishButton")->width(), scene.item("recUninstallFooter")->width() / (restart ? 2 : 1));
        QCOMPARE(machine.recordedRuns(), QList<QStringList>{QStringList{"MsiExec.exe"} + arguments});

        // With a restart offered, the user takes it.
        STEP(settle(scene, restart ? "recUninstallRestartButton" : "recFinishButton"));
        STEP(activate(scene, input, restart ? "recUninstallRestartButton" : "recFinishButton"));
        QCOMPARE(scene.quitRequests(), 1);
        QCOMPARE(scene.exitCode(), restart ? 1641 : exitCode);
        QVERIFY(scene.waitForPrograms());
        QCOMPARE(machine.recordedRuns().size(), 1);
        using Restarts = QList<QPair<unsigned, unsigned>>;
        QCOMPARE(machine.shutdown.restarts, (restart ? Restarts{{0x42, 4}} : Restarts()));
        QVERIFY(machine.urlOpener.opened.isEmpty());
    }

    // No tile to show: the notice, as for an empty command line, whatever rows there are.
    void nothingOffered_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no arguments") << QStringList();
        QTest::newRow("a mistyped removal") << QStringList{"/u", kProductCode};
        QTest::newRow("only a switch without a tile") << QStringList{"/SETFOO"};
    }

    void nothingOffered()
    {
        QFETCH(QStringList, arguments);
        TestMachine machine;
        machine.setArguments(arguments);
        machine.addRecorder(kExtractProgram);

        SceneDriver scene(machine);
        QVERIFY(scene.start());
        QVERIFY(scene.isShown("recSystemUpdate"));
        QVERIFY(!scene.isShown("recLicenseTab"));
        QVERIFY(!scene.isShown("recDriverstab"));
        QVERIFY(scene.isShown("recForSystemUpdate"));
        QCOMPARE(scene.value("textSystemUpdate", "strText").toString(),
                 QStringLiteral("System configuration is not compatible for RAID drivers or applications installation."));

        // The smallest window, on the test platform's 800 x 600 screen.
        QCOMPARE(scene.window()->size(), QSize(800, 393));
        STEP(reachable(scene, "recCloseButton", kTitleBar + QStringList{"recSystemUpdate", "recCloseButton"}));

        STEP(activate(scene, Input::Mouse, "recCloseButton"));
        QCOMPARE(scene.quitRequests(), 1);
        QCOMPARE(scene.exitCode(), 1633);
        QVERIFY(scene.waitForPrograms());
        QCOMPARE(machine.recordedRuns(), QList<QStringList>{kExtractRun});
        takeWarnings();
    }

    // A row without a tile decides nothing: with the one tile shown unticked, Install is refused.
    void hiddenRowStartsNothing()
    {
        TestMachine machine;
        machine.setArguments({"/SETFOO", "/SETPCI"});
        machine.addRecorder(kSetupProgram);
        SceneDriver scene(machine);
        QVERIFY(scene.start());
        STEP(agree(scene, Input::Keyboard));
        STEP(untick(scene, Input::Mouse, 1, "Version: 1.0.0.75"));
        QVERIFY(!scene.value("recInstallButton", "enabled").toBool());
        STEP(activate(scene, Input::Mouse, "recInstallButton"));
        QVERIFY(scene.waitForPrograms());
        QCOMPARE(machine.recordedRuns(), QList<QStringList>());
        takeWarnings();
    }

    // Removal with nothing to remove: the keyboard starts on the Drivers tab, which says why.
    // Close only quits.
    void nothingToRemove()
    {
        TestMachine machine;
        machine.setArguments({QStringLiteral("/U"), kProductCode});
        machine.writeRegistry(kIoDriverSection + QStringLiteral("\"DeployedFeatures\"=\"Drivers,GPIO2\"\r\n"));
        SceneDriver scene(machine);
        QVERIFY(scene.start());
        QVERIFY(scene.isShown("textWarning"));
        STEP(reachable(scene, "recDriverstab", kTitleBar + QStringList{"recDriverstab"}));
        QCOMPARE(QAccessible::queryAccessibleInterface(scene.item("recDriverstab"))->text(QAccessible::Description),
                 QStringLiteral("No uninstallable drivers found"));
        STEP(activate(scene, Input::Keyboard, "recAppClose"));
        QCOMPARE(scene.quitRequests(), 1);
        QCOMPARE(scene.exitCode(), 1605);
        QVERIFY(machine.recordedRuns().isEmpty());
        QVERIFY(scene.click("recAppMinimize"));
        QTRY_VERIFY(scene.window()->windowStates() & Qt::WindowMinimized);
    }

    // A product code that is no GUID in braces reaches no MsiExec, whatever the page offers.
    void malformedProductCodeStartsNothing()
    {
        TestMachine machine;
        machine.setArguments({QStringLiteral("/U"), QStringLiteral("{X} REMOVE=ALL")});
        machine.writeRegistry(kIoDriverSection + QStringLiteral("\"DeployedFeatures\"=\"PCI\"\r\n"));
        machine.addRecorder(ProductPaths::msiExec);
        SceneDriver scene(machine);
        QVERIFY(scene.start());
        STEP(activate(scene, Input::Keyboard, "recUninstallButton"));
        QTRY_COMPARE(scene.statusText(), QStringLiteral("Uninstallation could not be started"));
        QVERIFY(scene.waitForPrograms());
        QVERIFY(machine.recordedRuns().isEmpty());
    }

    // Leaving by the title bar's Close or from outside the window: the package is extracted
    // unless an installer has run, or a removal was asked for.
    void leaving_data()
    {
        QTest::addColumn<Input>("input");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode"); // of the installer started once agreed; -1: neither
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("extracts");
        QTest::addColumn<QString>("logFolder"); // where the front-end's own log goes: a folder, a full disk, no folder

        QTest::newRow("licence extracts, by mouse") << Input::Mouse << kFourDrivers << -1 << "" << true << "folder";
        QTest::newRow("removal mode only quits, by a window close request")
            << Input::CloseRequest << QStringList{"/U", kProductCode} << -1 << "" << false << "folder";
        QTest::newRow("start failed, retried, refused while running; installed only quits, by a window close request")
            << Input::CloseRequest << kFourDrivers << 0 << "Successfully Installed" << false << "folder";
        QTest::newRow("failed, by a window close request")
            << Input::CloseRequest << kFourDrivers << 1603 << "Installation failed (error 1603)" << false << "folder";
        QStringList many; // more tiles than the page shows at once
        for (int i = 0; i < 9; ++i)
            many << QStringLiteral("/SETPCI") << QStringLiteral("/SETGPIO2") << QStringLiteral("/SETCIR");
        QTest::newRow("another installation busy: the choice again, and leaving extracts, by keyboard")
            << Input::Keyboard << many << 1618
            << "Another installation is in progress. Try again when it has finished." << true << "full disk";
        QTest::newRow("cancelled in the setup program: the choice again, by mouse; no folder for the log")
            << Input::Mouse << many << 1602 << "Installation cancelled" << true << "no folder";
    }

    void leaving()
    {
        QFETCH(Input, input);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, status);
        QFETCH(bool, extracts);
        QFETCH(QString, logFolder);

        TestMachine machine;
        machine.setArguments(arguments);
        machine.writeRegistry(kIoDriverSection + QStringLiteral("\"DeployedFeatures\"=\"PCI,CIR\"\r\n"));
        machine.addRecorder(kExtractProgram);
        const QString temp = logFolder == "no folder" ? machine.registryPath : machine.root.filePath("Temp");
        QDir().mkpath(machine.root.filePath("Temp"));
        if (logFolder == "full disk")
            QVERIFY(QFile::link("/dev/full", temp + "/ZYM_Chipset_Frontend.log"));
        machine.environment.variables.insert("TEMP", temp);

        SceneDriver scene(machine);
        QVERIFY(scene.start());
        if (exitCode >= 0) {
            // Return right after agreeing acts once Install has slid in; Space again, agreeing
            // twice, does not. No setup program yet: a start that fails says so and leaves Install
            // ready, and the next press starts the installer.
            STEP(activate(scene, Input::Keyboard, "recAcceptButton", Qt::Key_Space));
            scene.key(Qt::Key_Space);
            scene.key(Qt::Key_Return);
            QTRY_COMPARE(scene.statusText(), QStringLiteral("Installation could not be started"));
            QCOMPARE(scene.focusedName(), QStringLiteral("recInstallButton"));
            QVERIFY(scene.value("recInstallButton", "enabled").toBool());
            QVERIFY(!scene.isShown("recIndicator"));
            machine.addRecorder(kSetupProgram, 1, exitCode);
            STEP(activate(scene, Input::Mouse, "recInstallButton"));
            QTRY_VERIFY(scene.isShown("recIndicator"));
            QVERIFY(!scene.window()->close());
            QVERIFY(scene.window()->isVisible());
            QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(), status, kCompletionTimeoutMs);
            QCOMPARE(scene.quitRequests(), 0);
            const bool retry = InstallOutcome::classify(exitCode, false, false, false).retryOffered;
            QCOMPARE(scene.isShown("recInstallButton"), retry);
            QCOMPARE(scene.value("recInstallButton", "enabled").toBool(), retry);
            // The keyboard is back on Install, so Tab reaches the title bar's Close as before.
            if (retry)
                QCOMPARE(scene.focusedName(), QStringLiteral("recInstallButton"));
            QTRY_COMPARE(scene.isShown("recViewLog"), !retry);
            if (retry)
                STEP(tilesInReach(scene, arguments.size()));
        }
        QVERIFY(scene.waitForPrograms());
        const QList<QStringList> before = machine.recordedRuns();

        if (input == Input::CloseRequest)
            scene.window()->close();
        else
            STEP(activate(scene, input, "recAppClose"));
        QCOMPARE(scene.quitRequests(), 1);
        // A repeated request changes nothing.
        scene.window()->close();
        QCOMPARE(scene.quitRequests(), 1);
        QVERIFY(scene.waitForPrograms());
        QCOMPARE(machine.recordedRuns(), extracts ? before + QList<QStringList>{kExtractRun} : before);
        QVERIFY(machine.shutdown.restarts.isEmpty());
        QCOMPARE(scene.exitCode(), exitCode >= 0 ? exitCode : 1602); // 1602 also: left before installing
        QCOMPARE(takeWarnings().replaceInStrings(QRegularExpression(": .*"), ""),
                 logFolder == "no folder" ? QStringList{"no log of this run"} : QStringList());
        if (exitCode != 0)
            return;
        // The log tells what happened, in order: a failed start, then the run and its end.
        QFile log(temp + "/ZYM_Chipset_Frontend.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll()), command = QRegularExpression::escape(
            "ZYM_Chipset_Drivers.exe /S \"/vQTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES SETPCI=YES SETGPIO2=YES /qr\" /clone_wait in /");
        int at = 0;
        for (const QString &line : QStringList{"commandline: arguments: \"/SETZYM_RAID\" \"/SETRAIDMAVEL\" \"/SETPCI\" \"/SETGPIO2\"\n",
                                    "scene: row 3 /SETGPIO2 \"ZYM GPIO Driver\" 2\\.2\\.0\\.126 ticked\n",
                                    "process: could not start: \\S+" + command, "process: started: \\S+" + command,
                                    "process: the installer ended with exit code 0 - shown: Successfully Installed",
                                    "process: the front-end leaves, exit code 0\n"}) {
            const QRegularExpressionMatch found = QRegularExpression("installer\\." + line).match(text, at);
            QVERIFY2(found.hasMatch(), qPrintable(line + "\n" + text));
            at = found.capturedEnd();
        }
    }

    // The logo's halo as drawn: faint at rest (it once came out full), full when hovered or focused,
    // none while pressed.
    void titleBarHalo()
    {
        TestMachine machine;
        SceneDriver scene(machine);
        QVERIFY(scene.start());
        QQuickItem *logo = scene.item(QStringLiteral("logoButton"));
        // Clear of the focus ring along the button's edges; once the halo has stopped changing.
        const QRect strip = logo->mapRectToScene(QRectF(5, 5, 12, logo->height() - 10)).toRect();
        const auto brightness = [&] {
            int sum = -1;
            for (int last = -2; sum != last;) {
                last = std::exchange(sum, 0);
                QTest::qWait(100);
                const QImage image = scene.grab();
                for (int y = strip.top(); y <= strip.bottom(); ++y)
                    for (int x = strip.left(); x <= strip.right(); ++x)
                        sum += qRed(image.pixel(x, y));
            }
            return sum;
        };
        const QPoint onLogo = logo->mapToScene(QPointF(40, 10)).toPoint();
        const int rest = brightness();
        QTest::mouseMove(scene.window(), onLogo);
        const int hovered = brightness();
        QVERIFY2(rest > 0 && 2 * rest < hovered, qPrintable(QStringLiteral("%1 of %2").arg(rest).arg(hovered)));
        QTest::mousePress(scene.window(), Qt::LeftButton, Qt::NoModifier, onLogo);
        QCOMPARE(brightness(), 0);
        const QPoint away = scene.item(QStringLiteral("recKaltoText"))->mapToScene(QPointF(10, 10)).toPoint();
        QTest::mouseRelease(scene.window(), Qt::LeftButton, Qt::NoModifier, away);
        QTest::mouseMove(scene.window(), away);
        logo->forceActiveFocus();
        QCOMPARE(brightness(), hovered);
        scene.item(QStringLiteral("recKaltoText"))->forceActiveFocus();
        QCOMPARE(brightness(), rest);
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
