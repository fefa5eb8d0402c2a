#include "backend/installcommand.h"

#include <QProcess>
#include <QtTest>

namespace {

// A folder with blanks: the setup program's path must stay one program.
const QString kSetup = QStringLiteral("C:\\Program Files\\Setup\\Bin\\..\\Packages\\ZYM_Chipset_Drivers.exe");
const QString kMsiExec = QStringLiteral("C:\\Windows\\System32\\MsiExec.exe");

// Every well-formed text must start exactly the program and arguments the
// composition hands to the process layer.
void verifySplitsIntoStartedArguments(const InstallCommand &command)
{
    QCOMPARE(QProcess::splitCommand(command.text), QStringList{command.program} + command.arguments);
}

} // namespace

// The install and removal command lines, byte for byte, whatever the command
// line and the registry held: outside text never adds an argument or a property.
class TestInstallCommand final : public QObject
{
    Q_OBJECT

private slots:
    void install_data()
    {
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<QVector<int>>("ticks");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("quoted"); // what "/v" carries
        QTest::addColumn<QStringList>("leftOut");

        const QStringList three{"/SETPCI", "/SETGPIO2", "/SETCIR"};
        const QString evil = QStringLiteral("/SETX\" /evil \"");
        QTest::newRow("package installed: ADDLOCAL names the ticked keys")
            << three << QVector<int>{1, 1, 0} << true << "QTLAUNCH=1 SETPCI=YES SETGPIO2=YES ADDLOCAL=PCI,GPIO2 /qr"
            << QStringList();
        QTest::newRow("package not installed: properties alone")
            << three << QVector<int>{1, 1, 0} << false << "QTLAUNCH=1 SETPCI=YES SETGPIO2=YES /qr" << QStringList();
        QTest::newRow("nothing ticked, installed: no bare ADDLOCAL")
            << three << QVector<int>{0, 0, 0} << true << "QTLAUNCH=1 /qr" << QStringList();
        QTest::newRow("hidden unknown switch takes part")
            << QStringList{"/SETFOO"} << QVector<int>{1} << true << "QTLAUNCH=1 SETFOO=YES ADDLOCAL=FOO /qr" << QStringList();
        QTest::newRow("quotes cannot add arguments or properties")
            << QStringList{"/SETPCI", evil} << QVector<int>{1, 1} << true << "QTLAUNCH=1 SETPCI=YES ADDLOCAL=PCI /qr"
            << QStringList{evil};
        QTest::newRow("blank in the feature key") << QStringList{"/SETA B", "/SETCIR"} << QVector<int>{1, 1} << true
                                                  << "QTLAUNCH=1 SETCIR=YES ADDLOCAL=CIR /qr" << QStringList{"/SETA B"};
        QTest::newRow("comma would smuggle a feature into ADDLOCAL")
            << QStringList{"/SETPCI,CIR"} << QVector<int>{1} << true << "QTLAUNCH=1 /qr" << QStringList{"/SETPCI,CIR"};
        QTest::newRow("equals sign would assign another value")
            << QStringList{"/SETPCI=NO"} << QVector<int>{1} << false << "QTLAUNCH=1 /qr" << QStringList{"/SETPCI=NO"};
        QTest::newRow("short token has no feature key")
            << QStringList{"/U", "/SETPCI"} << QVector<int>{1, 1} << true << "QTLAUNCH=1 SETPCI=YES ADDLOCAL=PCI /qr"
            << QStringList{"/U"};
    }

    void install()
    {
        QFETCH(QStringList, switches);
        QFETCH(QVector<int>, ticks);
        QFETCH(bool, installed);
        QFETCH(QString, quoted);
        QFETCH(QStringList, leftOut);

        for (const QString &componentSwitch : leftOut)
            QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("leaving out malformed switch ") + componentSwitch));
        const InstallCommand command = InstallCommand::install(kSetup, switches, ticks, [installed](int) { return installed; });

        QCOMPARE(command.text, '"' + kSetup + "\" /S /v\"" + quoted + "\" /clone_wait");
        QCOMPARE(command.program, kSetup);
        QCOMPARE(command.arguments, (QStringList{"/S", "/v" + quoted, "/clone_wait"}));
        verifySplitsIntoStartedArguments(command);
    }

    void removal_data()
    {
        QTest::addColumn<QString>("productCode");
        QTest::addColumn<QStringList>("features");
        QTest::addColumn<QVector<int>>("ticks");
        QTest::addColumn<QStringList>("arguments"); // after the product code
        QTest::addColumn<QStringList>("leftOut");

        const QStringList three = {"PCI", "SMBUS", "CIR"};
        const QString code = QStringLiteral("{1A2B3C4D-0000-1111-2222-333344445555}");
        QTest::newRow("every tick set: whole product")
            << code << three << QVector<int>{1, 1, 1} << QStringList{"REMOVE=ALL", "/qn"} << QStringList();
        QTest::newRow("PCI and CIR ticked: the ticked keys")
            << code << three << QVector<int>{1, 0, 1} << QStringList{"REMOVE=PCI,CIR", "/qn"} << QStringList();
        QTest::newRow("nothing ticked: no bare REMOVE")
            << code << three << QVector<int>{0, 0, 0} << QStringList{"/qn"} << QStringList();
        QTest::newRow("empty and malformed keys left out")
            << code << QStringList{"PCI", "", "A B", "SMBUS", "x\"y", "CIR,NUVL"} << QVector<int>{1, 1, 1, 0, 1, 1}
            << QStringList{"REMOVE=PCI", "/qn"} << QStringList{"", "A B", "x\"y", "CIR,NUVL"};
        QTest::newRow("only malformed keys ticked: no bare REMOVE")
            << code << QStringList{"PCI", "A=B"} << QVector<int>{0, 1} << QStringList{"/qn"} << QStringList{"A=B"};
        // Codes that are no GUID never get this far; even so each stays one argument.
        QTest::newRow("a product code with a blank") << "A B" << three << QVector<int>{1, 1, 1}
                                                     << QStringList{"REMOVE=ALL", "/qn"} << QStringList();
        QTest::newRow("a product code with quotes and switches")
            << "{X} REMOVE=ALL /qn \"" << three << QVector<int>{0, 1, 1} << QStringList{"REMOVE=SMBUS,CIR", "/qn"}
            << QStringList();
    }

    void removal()
    {
        QFETCH(QString, productCode);
        QFETCH(QStringList, features);
        QFETCH(QVector<int>, ticks);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, leftOut);

        for (const QString &key : leftOut)
            QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("leaving out malformed feature ") + key));
        const InstallCommand command = InstallCommand::removal(kMsiExec, productCode, features, ticks);

        const QString option = arguments.first() == QLatin1String("REMOVE=ALL") ? "/x" : "/i";
        QCOMPARE(command.program, kMsiExec);
        QCOMPARE(command.arguments, QStringList({option, productCode}) + arguments);
        QCOMPARE(command.text, kMsiExec + ' ' + command.arguments.join(' '));
        if (!productCode.contains(' '))
            verifySplitsIntoStartedArguments(command);
    }
};

QTEST_MAIN(TestInstallCommand)
#include "tst_installcommand.moc"
