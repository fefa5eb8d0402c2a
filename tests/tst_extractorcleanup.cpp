#include "extractorcleanup.h"
#include "testplatform.h"

#include <QFile>
#include <QtTest>

// Closing the package extractor's window at start: the task listing, its
// parsing, and one kill per process identifier found.
class TestExtractorCleanup : public QObject
{
    Q_OBJECT

private slots:
    void parseIdentifiers_data()
    {
        QTest::addColumn<QByteArray>("listing");
        QTest::addColumn<QStringList>("identifiers");
        QTest::newRow("list form with CRLF") << QByteArray("\r\nImage Name:   ZYMExtract.exe\r\nPID:          1234\r\nSession Name: Console\r\n")
                                             << QStringList{"1234"};
        QTest::newRow("lower-case label") << QByteArray("pid: 77\n") << QStringList{"77"};
        QTest::newRow("label twice on a line") << QByteArray("PID:pid: 5\n") << QStringList{"5"};
        QTest::newRow("two processes") << QByteArray("PID: 10\r\nImage Name: a\r\nPID: 20\r\n") << QStringList{"10", "20"};
        QTest::newRow("no task matches") << QByteArray("INFO: No tasks are running which match the specified criteria.\r\n")
                                         << QStringList();
        QTest::newRow("window title mentioning pid is not an identifier")
            << QByteArray("Window Title: Rapid Extractor\r\nPID: 42\r\n") << QStringList{"42"};
        QTest::newRow("text after the label is not a number") << QByteArray("PID: 12 & del\n") << QStringList();
        QTest::newRow("negative") << QByteArray("PID: -3\n") << QStringList();
        QTest::newRow("zero") << QByteArray("PID: 0\n") << QStringList();
        QTest::newRow("plus sign") << QByteArray("PID: +8\n") << QStringList();
        QTest::newRow("label alone") << QByteArray("PID:\n") << QStringList();
        QTest::newRow("empty") << QByteArray() << QStringList();
    }

    void parseIdentifiers()
    {
        QFETCH(QByteArray, listing);
        QFETCH(QStringList, identifiers);
        QCOMPARE(ExtractorCleanup::parseIdentifiers(listing), identifiers);
    }

    void listsThenKillsEachIdentifier()
    {
        TestMachine machine;
        const QString system32 = machine.drivePath + QStringLiteral("/Windows/System32/");
        QDir().mkpath(system32);
        QFile tasklist(system32 + QStringLiteral("TASKLIST"));
        QVERIFY(tasklist.open(QIODevice::WriteOnly));
        tasklist.write(QStringLiteral("#!/bin/sh\n"
                                      "{ printf '%s\\n' '---' TASKLIST; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; } >> '%1'\n"
                                      "printf '\\r\\nImage Name:   Extract.exe\\r\\nPID:          1234\\r\\n\\r\\nImage Name:   Extract.exe\\r\\nPID: 99\\r\\n'\n")
                           .arg(machine.recordPath)
                           .toUtf8());
        tasklist.close();
        tasklist.setPermissions(tasklist.permissions() | QFileDevice::ExeOwner);
        machine.addRecorder(QStringLiteral("C:\\Windows\\System32\\taskkill"));

        {
            ExtractorCleanup cleanup(machine.launcher.get());
            cleanup.run();
            QTRY_COMPARE(machine.recordedRuns().size(), 3);
        }
        QList<QStringList> runs = machine.recordedRuns();
        QCOMPARE(runs.at(0), (QStringList{"TASKLIST", "/FI", "WINDOWTITLE eq Chipset Driver Extractor", "/FO", "LIST"}));
        // The kills run side by side, so they may be recorded in either order.
        std::sort(runs.begin() + 1, runs.end());
        QCOMPARE(runs.at(1), (QStringList{"taskkill", "/F", "/PID", "1234"}));
        QCOMPARE(runs.at(2), (QStringList{"taskkill", "/F", "/PID", "99"}));
    }

    void missingListingToolEndsNothing()
    {
        TestMachine machine;
        machine.addRecorder(QStringLiteral("C:\\Windows\\System32\\taskkill"));
        ExtractorCleanup cleanup(machine.launcher.get());
        QElapsedTimer timer;
        timer.start();
        cleanup.run();
        QVERIFY(timer.elapsed() < 5000); // a failed start is not waited out
        QVERIFY(machine.recordedRuns().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestExtractorCleanup)
#include "tst_extractorcleanup.moc"
