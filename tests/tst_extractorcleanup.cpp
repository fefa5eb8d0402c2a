#include "app/extractorcleanup.h"
#include "backend/processstart.h"
#include "tests/testplatform.h"

#include <QtTest>

// Closing the package extractor's window at start: the task listing, its
// parsing, and one kill per process identifier found.
class TestExtractorCleanup : public QObject
{
    Q_OBJECT

private slots:
    // Each identifier goes to taskkill: only positive decimal numbers may come out.
    void parseIdentifiers_data()
    {
        QTest::addColumn<QByteArray>("listing");
        QTest::addColumn<QStringList>("identifiers");
        QTest::newRow("list form with CRLF") << QByteArray("\r\nImage Name:   ZYMExtract.exe\r\nPID:          1234\r\n")
                                             << QStringList{"1234"};
        QTest::newRow("two processes") << QByteArray("PID: 10\r\nImage Name: a\r\nPID: 20\r\n") << QStringList{"10", "20"};
        QTest::newRow("text after the label is not a number") << QByteArray("PID: 12 & del\n") << QStringList();
        QTest::newRow("negative") << QByteArray("PID: -3\n") << QStringList();
        QTest::newRow("zero") << QByteArray("PID: 0\n") << QStringList();
    }

    void parseIdentifiers()
    {
        QFETCH(QByteArray, listing);
        QFETCH(QStringList, identifiers);
        QCOMPARE(ExtractorCleanup::parseIdentifiers(listing), identifiers);
    }

    // Waited for (the second copy) or watched from the event loop (the first), which keeps
    // running while the listing takes its time.
    void listsThenKillsEachIdentifier_data()
    {
        QTest::addColumn<bool>("fromEventLoop");
        QTest::newRow("waited for") << false;
        QTest::newRow("watched from the event loop") << true;
    }

    void listsThenKillsEachIdentifier()
    {
        QFETCH(bool, fromEventLoop);
        TestMachine machine;
        machine.addPrinter(QStringLiteral("C:\\Windows\\System32\\TASKLIST"),
                           "\r\nImage Name:   Extract.exe\r\nPID:          1234\r\n"
                           "\r\nImage Name:   Extract.exe\r\nPID: 99\r\n",
                           fromEventLoop ? 1 : 0);
        machine.addRecorder(QStringLiteral("C:\\Windows\\System32\\taskkill"));
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
        ticker.start(20);

        ExtractorCleanup cleanup(machine.launcher.get(), ProcessStart::timeoutMs);
        if (fromEventLoop) {
            cleanup.start();
            cleanup.start(); // a second frame does not list again
        } else {
            cleanup.run();
        }
        // The recorders write as they run: wait for whole records, the kills in either order.
        const auto sortedRuns = [&machine] {
            QList<QStringList> runs = machine.recordedRuns();
            std::sort(runs.begin() + qMin(1, runs.size()), runs.end());
            return runs;
        };
        const QList<QStringList> expected{{"TASKLIST", "/FI", "WINDOWTITLE eq Chipset Driver Extractor", "/FO", "LIST"},
                                          {"taskkill", "/F", "/PID", "1234"},
                                          {"taskkill", "/F", "/PID", "99"}};
        QTRY_COMPARE_WITH_TIMEOUT(sortedRuns(), expected, 10000);
        if (fromEventLoop)
            QVERIFY2(ticks >= 20, qPrintable(QStringLiteral("only %1 ticks while the listing ran").arg(ticks)));
    }
};

QTEST_GUILESS_MAIN(TestExtractorCleanup)
#include "tst_extractorcleanup.moc"
