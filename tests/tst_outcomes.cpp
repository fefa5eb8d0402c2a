#include "tests/scenedriver.h"
#include "tests/testplatform.h"
#include "tests/warningrecorder.h"

#include <QFile>
#include <QQuickItem>
#include <QtTest>

// What the real application shows once its installer has ended: a restart
// the package did not flag, a retry, a crash, a start that fails. The whole
// exit-code table is tst_installoutcome's.
class TestOutcomes : public QObject
{
    Q_OBJECT

private:
    static const QString setupProgram;
    WarningRecorder m_warnings;

    static void prepare(TestMachine &machine, bool flagged)
    {
        machine.setArguments({"/SETPCI", "/SETGPIO2"});
        machine.writeRegistry(QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers]\r\n"
                                             "\"REBOOTSTATUS\"=\"%1\"\r\n")
                                  .arg(flagged ? "YES" : "NO"));
    }

    static void agreeAndInstall(SceneDriver &scene)
    {
        QVERIFY(scene.click(QStringLiteral("recAcceptButton")));
        QTRY_COMPARE(scene.value(QStringLiteral("recInstallButton"), "x").toReal(), 0.0);
        QVERIFY(scene.click(QStringLiteral("recInstallButton")));
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

    void exitCodes_data()
    {
        QTest::addColumn<int>("exitCode"); // -1: the installer kills itself
        QTest::addColumn<bool>("flagged");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("restart");
        QTest::addColumn<bool>("retry");
        QTest::newRow("3010") << 3010 << false << "Successfully Installed" << true << false;
        QTest::newRow("1618") << 1618 << false << "Another installation is in progress. Try again when it has finished."
                              << false << true;
        QTest::newRow("crash") << -1 << true << "Installation failed (error 9)" << false << false;
    }

    void exitCodes()
    {
        QFETCH(int, exitCode);
        QFETCH(bool, flagged);
        QFETCH(QString, text);
        QFETCH(bool, restart);
        QFETCH(bool, retry);

        TestMachine machine;
        prepare(machine, flagged);
        machine.addRecorder(setupProgram, 0.3, qMax(exitCode, 0));
        if (exitCode < 0) {
            QFile script(machine.setupProgramPath());
            QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
            script.write("#!/bin/sh\nkill -9 $$\n");
        }
        SceneDriver scene(machine);
        QVERIFY(scene.start());
        agreeAndInstall(scene);
        QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(), text, 15000);
        QVERIFY(!scene.isShown(QStringLiteral("recIndicator")));

        if (retry) {
            // Nothing changed: the choice is offered again and leaving extracts.
            QVERIFY(scene.isShown(QStringLiteral("recInstallButton")));
            QVERIFY(scene.value(QStringLiteral("recInstallButton"), "enabled").toBool());
            QVERIFY(!scene.isShown(QStringLiteral("recViewLog")));
            QVERIFY(!scene.isShown(QStringLiteral("recExitAndRestart")));
            machine.addRecorder(QStringLiteral("C:\\ZYM\\Chipset_Driver_Installer\\ChipsetDriversExtract\\MSIFiles\\Packages\\ZYM_Chipset_Drivers.exe"));
            QVERIFY(scene.click(QStringLiteral("recAppClose")));
            QTRY_COMPARE(machine.recordedRuns().size(), 2);
            QCOMPARE(machine.recordedRuns().last().value(2), QStringLiteral("/v EXTRACTONLY=1 /qr"));
        } else {
            QTRY_VERIFY(scene.isShown(QStringLiteral("recViewLog")));
            QVERIFY(!scene.isShown(QStringLiteral("recInstallButton")));
            QCOMPARE(scene.isShown(QStringLiteral("recExitAndRestart")), restart);
            QVERIFY(scene.isShown(QStringLiteral("recExitWithoutRestart")));
            // The footer shares its width between the buttons it shows.
            QTRY_COMPARE(scene.value(QStringLiteral("recExitWithoutRestart"), "x").toReal(),
                         restart ? scene.value(QStringLiteral("recExitAndRestart"), "width").toReal() : 0.0);
            QVERIFY(scene.click(QString::fromLatin1(restart ? "recExitAndRestart" : "recExitWithoutRestart")));
            QTRY_COMPARE(scene.quitRequests(), 1);
            QCOMPARE(machine.shutdown.restarts.size(), restart ? 1 : 0);
        }
        QTRY_COMPARE(scene.quitRequests(), 1);
        QVERIFY(scene.waitForPrograms());
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
        machine.addRecorder(setupProgram, 0.3, 1602);
        SceneDriver scene(machine);
        QVERIFY(scene.start());
        agreeAndInstall(scene);
        QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(), QStringLiteral("Installation cancelled"), 15000);
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
        QVERIFY(scene.waitForPrograms());
    }

    void retryAfterFailedStart()
    {
        TestMachine machine;
        prepare(machine, false);
        SceneDriver scene(machine);
        QVERIFY(scene.start());
        agreeAndInstall(scene); // no setup program yet
        QTRY_COMPARE(scene.statusText(), QStringLiteral("Installation could not be started"));
        QVERIFY(scene.value(QStringLiteral("recInstallButton"), "enabled").toBool());
        QVERIFY(!scene.isShown(QStringLiteral("recIndicator")));

        machine.addRecorder(setupProgram, 0.3, 0);
        QVERIFY(scene.click(QStringLiteral("recInstallButton")));
        QTRY_COMPARE_WITH_TIMEOUT(scene.statusText(), QStringLiteral("Successfully Installed"), 15000);
        QCOMPARE(machine.recordedRuns().size(), 1);
        QVERIFY(scene.waitForPrograms());
    }
};

const QString TestOutcomes::setupProgram = QStringLiteral("..\\Packages\\ZYM_Chipset_Drivers.exe");

QTEST_MAIN(TestOutcomes)
#include "tst_outcomes.moc"
