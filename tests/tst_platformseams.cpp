#include "platform/simulated/simulateddrive.h"
#include "platform/simulated/simulatedprocesslauncher.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

// How a started program's Windows exit code comes back on the simulated
// system: whole, through a folder only this user may enter, left nowhere.
class TestPlatformSeams : public QObject
{
    Q_OBJECT

private slots:
    // A stand-in at C:\Tools\setup.exe that first notes where it may report and who may enter
    // that folder, then runs `script`.
    static void writeSetup(const QTemporaryDir &drive, const QString &script)
    {
        QDir(drive.path()).mkpath(QStringLiteral("Tools"));
        QFile file(drive.filePath(QStringLiteral("Tools/setup.exe")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("#!/bin/sh\nf=\"$CHIPSET_INSTALLER_EXIT_CODE_FILE\"\n"
                   "printf '%s\\n%s' \"$(stat -c %a \"$(dirname \"$f\")\")\" \"$f\" > \"$(dirname \"$0\")/report\"\n"
                   + script.toUtf8() + "\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }

    static QStringList noted(const QTemporaryDir &drive)
    {
        QFile file(drive.filePath(QStringLiteral("Tools/report")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')) : QStringList();
    }

    // Stand-ins report Windows exit codes, which do not fit a POSIX status.
    void reportedExitCodes_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("crashed");
        QTest::newRow("reported code wins") << "echo 3010 > \"$f\"; exit 0" << 3010 << false;
        QTest::newRow("negative code") << "echo -1073741819 > \"$f\"" << -1073741819 << false;
        QTest::newRow("nothing reported: the status") << "exit 3" << 3 << false;
        QTest::newRow("junk reported: the status") << "echo soon > \"$f\"; exit 4" << 4 << false;
        QTest::newRow("a crash is not overruled") << "echo 0 > \"$f\"; kill -9 $$" << 9 << true;
    }

    void reportedExitCodes()
    {
        QFETCH(QString, script);
        QFETCH(int, exitCode);
        QFETCH(bool, crashed);
        QTemporaryDir drive;
        writeSetup(drive, script);
        // Files planted where a guessable name would have been looked for change nothing.
        QStringList planted;
        for (int run = 0; run < 64; ++run) {
            planted << QDir::temp().filePath(QStringLiteral("chipset-installer-exit-%1-%2").arg(QCoreApplication::applicationPid()).arg(run));
            QFile plant(planted.last());
            if (plant.open(QIODevice::NewOnly))
                plant.write("1603\n");
        }
        const auto removePlants = qScopeGuard([&planted] {
            for (const QString &plant : qAsConst(planted))
                QFile::remove(plant);
        });

        SimulatedProcessLauncher launcher{SimulatedDrive(drive.path())};
        auto runner = launcher.createRunner();
        runner->start(QStringLiteral("C:\\Tools\\setup.exe"), {}, ProcessRunner::Output::Discarded);
        QVERIFY(runner->waitForFinished(10000));
        QCOMPARE(runner->exitStatus() == QProcess::CrashExit, crashed);
        QCOMPARE(runner->exitCode(), exitCode);
        QCOMPARE(runner->exitCode(), exitCode); // asked again: the same answer
        // The run's folder was this user's alone, and nothing of it is left once read.
        const QStringList report = noted(drive);
        QCOMPARE(report.value(0), QStringLiteral("700"));
        QVERIFY(!QFileInfo::exists(QFileInfo(report.value(1)).absolutePath()));

        // The next run on the same runner does not inherit the code.
        writeSetup(drive, QStringLiteral("exit 5"));
        runner->start(QStringLiteral("C:\\Tools\\setup.exe"), {}, ProcessRunner::Output::Discarded);
        QVERIFY(runner->waitForFinished(10000));
        QCOMPARE(runner->exitCode(), 5);
        QVERIFY(noted(drive).value(1) != report.value(1));
    }

};

QTEST_GUILESS_MAIN(TestPlatformSeams)
#include "tst_platformseams.moc"
