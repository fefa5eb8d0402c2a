#include "backend/installoutcome.h"

#include <QtTest>

// The one table that turns an installer's exit code into what the page says.
class TestInstallOutcome : public QObject
{
    Q_OBJECT

private slots:
    void classify_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("crashed");
        QTest::addColumn<bool>("flagged");
        QTest::addColumn<bool>("removal");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("restart");
        QTest::addColumn<bool>("retry");

        QTest::newRow("0, not flagged") << 0 << false << false << false << "Successfully Installed" << false << false;
        QTest::newRow("0, flagged") << 0 << false << true << false << "Successfully Installed" << true << false;
        QTest::newRow("0, removal, install flag set") << 0 << false << true << true << "Successfully Uninstalled" << false
                                                      << false;
        QTest::newRow("3010 whatever the flag") << 3010 << false << false << false << "Successfully Installed" << true << false;
        QTest::newRow("3011") << 3011 << false << false << false << "Successfully Installed" << true << false;
        QTest::newRow("3010, removal") << 3010 << false << false << true << "Successfully Uninstalled" << true << false;
        QTest::newRow("1641: already restarting") << 1641 << false << true << false
                                                  << "Successfully Installed. Windows is restarting." << false << false;
        QTest::newRow("1641, removal") << 1641 << false << false << true
                                       << "Successfully Uninstalled. Windows is restarting." << false << false;
        QTest::newRow("1602 cancelled") << 1602 << false << true << false << "Installation cancelled" << false << true;
        QTest::newRow("1223 cancelled") << 1223 << false << false << false << "Installation cancelled" << false << true;
        QTest::newRow("1602, removal") << 1602 << false << false << true << "Uninstallation cancelled" << false << true;
        QTest::newRow("1618 busy") << 1618 << false << false << false
                                   << "Another installation is in progress. Try again when it has finished." << false << true;
        QTest::newRow("3017") << 3017 << false << false << false
                              << "Installation failed (error 3017). A restart is required." << true << false;
        QTest::newRow("3018, removal") << 3018 << false << false << true
                                       << "Uninstallation failed (error 3018). A restart is required." << true << false;
        QTest::newRow("1603 fatal error") << 1603 << false << true << false << "Installation failed (error 1603)" << false << false;
        QTest::newRow("1, removal") << 1 << false << false << true << "Uninstallation failed (error 1)" << false << false;
        QTest::newRow("negative") << -1 << false << false << false << "Installation failed (error -1)" << false << false;
        QTest::newRow("crash with code 0 is no success") << 0 << true << true << false
                                                         << "Installation failed (error 0)" << false << false;
        QTest::newRow("crash with a success code") << 3010 << true << false << false
                                                   << "Installation failed (error 3010)" << false << false;
    }

    void classify()
    {
        QFETCH(int, exitCode);
        QFETCH(bool, crashed);
        QFETCH(bool, flagged);
        QFETCH(bool, removal);
        QFETCH(QString, text);
        QFETCH(bool, restart);
        QFETCH(bool, retry);
        const InstallOutcome outcome = InstallOutcome::classify(exitCode, crashed, flagged, removal);
        QCOMPARE(outcome.statusText, text);
        QCOMPARE(outcome.restartOffered, restart);
        QCOMPARE(outcome.retryOffered, retry);
    }
};

QTEST_GUILESS_MAIN(TestInstallOutcome)
#include "tst_installoutcome.moc"
