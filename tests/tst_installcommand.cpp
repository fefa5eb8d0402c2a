#include "backend/installcommand.h"

#include <QProcess>
#include <QtTest>

namespace {

const QString kSetup = QStringLiteral("C:\\Setup\\Bin\\..\\Packages\\ZYM_Chipset_Drivers.exe");
const QString kMsiExec = QStringLiteral("C:\\Windows\\System32\\MsiExec.exe");

InstallCommand::InstalledTest answer(bool installed)
{
    return [installed](int) { return installed; };
}

// Every well-formed text must start exactly the program and arguments the
// composition hands to the process layer.
void verifySplitsIntoStartedArguments(const InstallCommand &command)
{
    QCOMPARE(QProcess::splitCommand(command.text), QStringList{command.program} + command.arguments);
}

} // namespace

class TestInstallCommand final : public QObject
{
    Q_OBJECT

private slots:
    void documentedInstallCommands_data();
    void documentedInstallCommands();
    void install_data();
    void install();
    void setupPathWithBlanksStaysOneProgram();
    void removal_data();
    void removal();
    void productCodeIsOneArgument_data();
    void productCodeIsOneArgument();
};

void TestInstallCommand::documentedInstallCommands_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("text");

    QTest::newRow("package installed: ADDLOCAL names the ticked keys")
        << true
        << R"("C:\Setup\Bin\..\Packages\ZYM_Chipset_Drivers.exe" /S /v"QTLAUNCH=1 SETPCI=YES SETGPIO2=YES ADDLOCAL=PCI,GPIO2 /qr" /clone_wait)";
    QTest::newRow("package not installed: properties alone")
        << false << R"("C:\Setup\Bin\..\Packages\ZYM_Chipset_Drivers.exe" /S /v"QTLAUNCH=1 SETPCI=YES SETGPIO2=YES /qr" /clone_wait)";
}

void TestInstallCommand::documentedInstallCommands()
{
    QFETCH(bool, installed);
    QFETCH(QString, text);

    const QStringList switches = {QStringLiteral("/SETPCI"), QStringLiteral("/SETGPIO2"), QStringLiteral("/SETCIR")};
    const InstallCommand command = InstallCommand::install(kSetup, switches, {1, 1, 0}, answer(installed));

    QCOMPARE(command.text, text);
    QCOMPARE(command.properties, QStringLiteral("SETPCI=YES SETGPIO2=YES "));
    QCOMPARE(command.program, kSetup);
    verifySplitsIntoStartedArguments(command);
}

void TestInstallCommand::install_data()
{
    QTest::addColumn<QStringList>("switches");
    QTest::addColumn<QVector<int>>("ticks");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("quoted"); // what "/v" carries
    QTest::addColumn<QStringList>("leftOut");

    const QStringList pciGpio = {"/SETPCI", "/SETGPIO2"};
    const QString evil = QStringLiteral("/SETX\" /evil \"");

    QTest::newRow("nothing ticked, installed: no bare ADDLOCAL")
        << pciGpio << QVector<int>{0, 0} << true << "QTLAUNCH=1 /qr" << QStringList();
    QTest::newRow("hidden unknown switch takes part")
        << QStringList{"/SETFOO"} << QVector<int>{1} << true << "QTLAUNCH=1 SETFOO=YES ADDLOCAL=FOO /qr" << QStringList();
    QTest::newRow("quotes cannot add arguments or properties")
        << QStringList{"/SETPCI", evil} << QVector<int>{1, 1} << true << "QTLAUNCH=1 SETPCI=YES ADDLOCAL=PCI /qr"
        << QStringList{evil};
    QTest::newRow("blank in the feature key") << QStringList{"/SETA B", "/SETCIR"} << QVector<int>{1, 1} << true
                                              << "QTLAUNCH=1 SETCIR=YES ADDLOCAL=CIR /qr" << QStringList{"/SETA B"};
    QTest::newRow("comma would smuggle a feature into ADDLOCAL")
        << QStringList{"/SETPCI,CIR"} << QVector<int>{1} << true << "QTLAUNCH=1 /qr" << QStringList{"/SETPCI,CIR"};
    QTest::newRow("short token has no feature key")
        << QStringList{"/U", "/SETPCI"} << QVector<int>{1, 1} << true << "QTLAUNCH=1 SETPCI=YES ADDLOCAL=PCI /qr"
        << QStringList{"/U"};
}

void TestInstallCommand::install()
{
    QFETCH(QStringList, switches);
    QFETCH(QVector<int>, ticks);
    QFETCH(bool, installed);
    QFETCH(QString, quoted);
    QFETCH(QStringList, leftOut);

    for (const QString &componentSwitch : leftOut)
        QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("leaving out malformed switch ") + componentSwitch));
    const InstallCommand command = InstallCommand::install(kSetup, switches, ticks, answer(installed));

    QCOMPARE(command.text, QLatin1Char('"') + kSetup + QStringLiteral("\" /S /v\"") + quoted + QStringLiteral("\" /clone_wait"));
    QCOMPARE(command.arguments, (QStringList{"/S", QStringLiteral("/v") + quoted, "/clone_wait"}));
    verifySplitsIntoStartedArguments(command);
}

void TestInstallCommand::setupPathWithBlanksStaysOneProgram()
{
    const QString setup = QStringLiteral("C:\\Program Files\\ZYM Setup\\..\\Packages\\ZYM_Chipset_Drivers.exe");
    const InstallCommand command = InstallCommand::install(setup, {"/SETPCI"}, {1}, answer(false));

    QCOMPARE(command.text,
             QStringLiteral(R"("C:\Program Files\ZYM Setup\..\Packages\ZYM_Chipset_Drivers.exe" /S /v"QTLAUNCH=1 SETPCI=YES /qr" /clone_wait)"));
    verifySplitsIntoStartedArguments(command);
}

void TestInstallCommand::removal_data()
{
    QTest::addColumn<QStringList>("features");
    QTest::addColumn<QVector<int>>("ticks");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("properties");
    QTest::addColumn<QStringList>("leftOut");

    const QStringList three = {"PCI", "SMBUS", "CIR"};
    QTest::newRow("every tick set: whole product")
        << three << QVector<int>{1, 1, 1} << R"(C:\Windows\System32\MsiExec.exe /x P REMOVE=ALL /qn)" << "" << QStringList();
    QTest::newRow("PCI and CIR ticked: the ticked keys")
        << three << QVector<int>{1, 0, 1} << R"(C:\Windows\System32\MsiExec.exe /i P REMOVE=PCI,CIR /qn)"
        << " REMOVE=PCI,CIR" << QStringList();
    QTest::newRow("no ticks at all: whole product")
        << QStringList() << QVector<int>() << R"(C:\Windows\System32\MsiExec.exe /x P REMOVE=ALL /qn)" << "" << QStringList();
    QTest::newRow("nothing ticked: no bare REMOVE")
        << three << QVector<int>{0, 0, 0} << R"(C:\Windows\System32\MsiExec.exe /i P /qn)" << "" << QStringList();
    QTest::newRow("empty and malformed keys left out")
        << QStringList{"PCI", "", "A B", "SMBUS", "x\"y", "CIR,NUVL"} << QVector<int>{1, 1, 1, 0, 1, 1}
        << R"(C:\Windows\System32\MsiExec.exe /i P REMOVE=PCI /qn)" << " REMOVE=PCI"
        << QStringList{"", "A B", "x\"y", "CIR,NUVL"};
    QTest::newRow("only malformed keys ticked: no bare REMOVE")
        << QStringList{"PCI", "A=B"} << QVector<int>{0, 1} << R"(C:\Windows\System32\MsiExec.exe /i P /qn)" << ""
        << QStringList{"A=B"};
}

void TestInstallCommand::removal()
{
    QFETCH(QStringList, features);
    QFETCH(QVector<int>, ticks);
    QFETCH(QString, text);
    QFETCH(QString, properties);
    QFETCH(QStringList, leftOut);

    for (const QString &key : leftOut)
        QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("leaving out malformed feature ") + key));
    const InstallCommand command = InstallCommand::removal(kMsiExec, QStringLiteral("P"), features, ticks);

    QCOMPARE(command.text, text);
    QCOMPARE(command.properties, properties);
    QCOMPARE(command.program, kMsiExec);
    verifySplitsIntoStartedArguments(command);
}

void TestInstallCommand::productCodeIsOneArgument_data()
{
    QTest::addColumn<QString>("productCode");

    QTest::newRow("blank inside") << "A B";
    QTest::newRow("quotes and switches inside") << "{X} REMOVE=ALL /qn \"";
}

void TestInstallCommand::productCodeIsOneArgument()
{
    QFETCH(QString, productCode);

    const InstallCommand all = InstallCommand::removal(kMsiExec, productCode, {"PCI", "CIR"}, {1, 1});
    QCOMPARE(all.text, kMsiExec + QStringLiteral(" /x ") + productCode + QStringLiteral(" REMOVE=ALL /qn"));
    QCOMPARE(all.arguments, (QStringList{"/x", productCode, "REMOVE=ALL", "/qn"}));

    const InstallCommand some = InstallCommand::removal(kMsiExec, productCode, {"PCI", "CIR"}, {0, 1});
    QCOMPARE(some.text, kMsiExec + QStringLiteral(" /i ") + productCode + QStringLiteral(" REMOVE=CIR /qn"));
    QCOMPARE(some.arguments, (QStringList{"/i", productCode, "REMOVE=CIR", "/qn"}));
}

QTEST_MAIN(TestInstallCommand)
#include "tst_installcommand.moc"
