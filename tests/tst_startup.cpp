#include "app/icoiconengine.h"
#include "app/installerapp.h"
#include "app/uilanguage.h"
#include "platform/instancelock.h"
#include "tests/testplatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QQuickWindow>
#include <QTimer>
#include <QWindow>
#include <QtTest>

namespace {

// Everything start-up does to the outside world, in order.
QStringList events;

class RecordingRegistry final : public Registry
{
public:
    explicit RecordingRegistry(Registry *inner) : m_inner(inner) {}
    QString readText(const QString &keyPath, const QString &name) const override { return m_inner->readText(keyPath, name); }
    long openKey(const QString &keyPath, HKEY *key) override
    {
        const long result = m_inner->openKey(keyPath, key);
        events << QStringLiteral("openKey %1 %2").arg(keyPath).arg(result);
        return result;
    }
    long openSubKey(HKEY parent, const QString &name, HKEY *key) override { return m_inner->openSubKey(parent, name, key); }
    long queryInfo(HKEY key, KeyInfo *info) override { return m_inner->queryInfo(key, info); }
    long enumKey(HKEY key, int index, QString *name) override
    {
        const long result = m_inner->enumKey(key, index, name);
        events << QStringLiteral("enumKey %1").arg(*name);
        return result;
    }
    long enumValue(HKEY key, int index, QString *name) override { return m_inner->enumValue(key, index, name); }
    long queryValue(HKEY key, const QString &name, QByteArray *data) override { return m_inner->queryValue(key, name, data); }
    void closeKey(HKEY key) override
    {
        events << QStringLiteral("closeKey");
        m_inner->closeKey(key);
    }

private:
    Registry *m_inner;
};

class RecordingShutdown final : public Shutdown
{
public:
    bool enableShutdownPrivilege() override { events << QStringLiteral("enableShutdownPrivilege"); return true; }
    void restart(unsigned, unsigned) override { events << QStringLiteral("restart"); }
};

class FakeLock final : public InstanceLock
{
public:
    bool held = false; // by another copy
    bool acquire() override { events << QStringLiteral("acquire"); return !held; }
};

// Starts real processes on the simulated drive, noting each start. When the
// task listing starts, the application exists: the test looks at it then and
// schedules how the run ends (`onListing`).
class RecordingRunner final : public ProcessRunner
{
public:
    RecordingRunner(std::unique_ptr<ProcessRunner> inner, std::function<void()> onListing)
        : m_inner(std::move(inner)), m_onListing(std::move(onListing)) {}
    void start(const QString &program, const QStringList &arguments, Output output) override
    {
        events << QStringLiteral("start %1").arg(program);
        if (program == QLatin1String("TASKLIST") && m_onListing)
            m_onListing();
        m_inner->start(program, arguments, output);
    }
    bool waitForStarted(int msecs) override { return m_inner->waitForStarted(msecs); }
    bool waitForFinished(int msecs) override { return m_inner->waitForFinished(msecs); }
    QProcess::ProcessState state() const override { return m_inner->state(); }
    void kill() override { m_inner->kill(); }
    QByteArray readAllStandardOutput() override { return m_inner->readAllStandardOutput(); }
    int exitCode() const override { return m_inner->exitCode(); }
    QProcess::ExitStatus exitStatus() const override { return m_inner->exitStatus(); }
    QProcess::ProcessError error() const override { return m_inner->error(); }

private:
    std::unique_ptr<ProcessRunner> m_inner;
    std::function<void()> m_onListing;
};

class RecordingLauncher final : public ProcessLauncher
{
public:
    RecordingLauncher(ProcessLauncher *inner, std::function<void()> onListing)
        : m_inner(inner), m_onListing(std::move(onListing)) {}
    std::unique_ptr<ProcessRunner> createRunner() override
    {
        return std::make_unique<RecordingRunner>(m_inner->createRunner(), m_onListing);
    }

private:
    ProcessLauncher *m_inner;
    std::function<void()> m_onListing;
};

QStringList sceneWindowTitles(bool exposedOnly)
{
    QStringList titles;
    const auto windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows) {
        if (window->isVisible() && (!exposedOnly || window->isExposed()))
            titles << window->title();
    }
    return titles;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int exitCode = -1;
        QStringList windowsAtListing;
        QStringList exposedAtListing;
        qreal pixelRatioAtListing = 0;
        bool iconAtListing = false;
        bool widgetsAtListing = false;
        QString boxTitle;
        QString boxText;
    };

    static Run runApplication(bool anotherCopyRuns, const QStringList &uiLanguages = {})
    {
        TestMachine machine;
        machine.setArguments({QStringLiteral("/SETPCI")});
        machine.writeRegistry(QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\PCI]\r\n"
                                             "\"prdtcmd\"=\"/SETPCI\"\r\n\"ProductVersion\"=\"1.0.0.70\"\r\n"));
        Run run;
        RecordingRegistry registry(machine.registry.get());
        RecordingShutdown shutdown;
        FakeLock lock;
        lock.held = anotherCopyRuns;
        RecordingLauncher launcher(machine.launcher.get(), [&run, anotherCopyRuns] {
            run.windowsAtListing = sceneWindowTitles(false);
            run.exposedAtListing = sceneWindowTitles(true);
            if (!QGuiApplication::topLevelWindows().isEmpty())
                run.pixelRatioAtListing = QGuiApplication::topLevelWindows().constFirst()->devicePixelRatio();
            run.iconAtListing = !QGuiApplication::windowIcon().isNull();
            run.widgetsAtListing = qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr;
            if (!anotherCopyRuns) {
                // Closed from outside the window, as a window manager or Alt+F4 closes it.
                QTimer::singleShot(0, QCoreApplication::instance(), [] {
                    const auto windows = QGuiApplication::topLevelWindows();
                    for (QWindow *window : windows) {
                        if (window->title() == QLatin1String("CHIPSET DRIVER INSTALLER"))
                            window->close();
                    }
                });
                return;
            }
            // Dismiss the message box once it shows, as a user would.
            auto *poll = new QTimer(QCoreApplication::instance());
            QObject::connect(poll, &QTimer::timeout, [&run, poll] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (!box)
                    return;
                run.boxTitle = box->windowTitle();
                run.boxText = box->text();
                poll->stop();
                box->button(QMessageBox::Ok)->click();
            });
            poll->start(20);
        });
        InstallerApp::Seams seams;
        seams.platform = machine.platform();
        seams.platform.registry = &registry;
        seams.platform.shutdown = &shutdown;
        seams.platform.launcher = &launcher;
        seams.instanceLock = &lock;
        seams.uiLanguages = uiLanguages;

        events.clear();
        QByteArray name("tst_startup");
        char *argv[] = {name.data(), nullptr};
        int argc = 1;
        run.exitCode = InstallerApp::run(argc, argv, seams);
        return run;
    }

private slots:
    void firstCopyRunsTheScene()
    {
        const Run run = runApplication(false);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(events, (QStringList{
                             "enableShutdownPrivilege",
                             "openKey HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\ 0",
                             "enumKey PCI",
                             "closeKey",
                             "acquire",
                             "start TASKLIST",
                             // Closed before agreeing: the package is extracted once.
                             "start C:\\ZYM\\Chipset_Driver_Installer\\ChipsetDriversExtract\\MSIFiles\\Packages\\"
                             "ZYM_Chipset_Drivers.exe",
                         }));
        // The scene is on the screen before the extractor's window is closed.
        QVERIFY(run.windowsAtListing.contains(QStringLiteral("CHIPSET DRIVER INSTALLER")));
        QVERIFY(run.exposedAtListing.contains(QStringLiteral("CHIPSET DRIVER INSTALLER")));
        // The test's screen reports 120 DPI, Windows' 125%: drawn at that scale, unrounded.
        QCOMPARE(run.pixelRatioAtListing, 1.25);
        QVERIFY(run.iconAtListing);
        QVERIFY2(!run.widgetsAtListing, "the scene needs no widget machinery");
        QCOMPARE(QQuickWindow::sceneGraphBackend(), QStringLiteral("software"));
    }

    void sceneGraphBackend_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing asked") << QString() << QString() << QStringLiteral("software");
        QTest::newRow("OpenGL asked") << QStringLiteral("QT_QUICK_BACKEND") << QStringLiteral("opengl") << QString();
        QTest::newRow("older variable") << QStringLiteral("QMLSCENE_DEVICE") << QStringLiteral("softwarecontext") << QString();
    }

    // Qt reads the environment itself, so a backend named there must not be overridden.
    void sceneGraphBackend()
    {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        FakeEnvironment environment;
        if (!variable.isEmpty())
            environment.variables.insert(variable, value);
        QCOMPARE(InstallerApp::sceneGraphBackend(environment), expected);
    }

    void windowIcon_data()
    {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("given");
        QTest::newRow("a frame's own size") << QSize(16, 16) << QSize(16, 16);
        QTest::newRow("between frames: the next larger, scaled down") << QSize(20, 20) << QSize(20, 20);
        QTest::newRow("oblong: fitted, aspect kept") << QSize(40, 20) << QSize(20, 20);
        QTest::newRow("above every frame: the largest, not scaled up") << QSize(300, 300) << QSize(256, 256);
    }

    // The window icon is decoded per size asked; each size must still look as Qt's own engine drew it.
    void windowIcon()
    {
        QFETCH(QSize, asked);
        QFETCH(QSize, given);
        int argc = 1;
        QByteArray name("tst_startup");
        char *argv[] = {name.data(), nullptr};
        QGuiApplication application(argc, argv);
        const QIcon ours(new IcoIconEngine(QStringLiteral(":/img/ZYMlogo.ico")));
        const QIcon qts(QStringLiteral(":/img/ZYMlogo.ico"));
        QCOMPARE(ours.availableSizes(), qts.availableSizes());
        const QImage drawn = ours.pixmap(asked).toImage();
        QCOMPARE(drawn.size(), given);
        QCOMPARE(drawn, qts.pixmap(asked).toImage());
    }

    void secondCopyShowsTheBoxAndLeaves_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("English") << QStringList{"en-US", "de-DE"}
                                 << QStringLiteral("KPQ INSTALLATER detects another instance is running.");
        QTest::newRow("in the user's language") << QStringList{"ja-JP", "en-US"}
                                                << QStringLiteral("KPQ INSTALLATER の別のインスタンスが実行中であることを検出しました。");
    }

    void secondCopyShowsTheBoxAndLeaves()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, firstLine);
        const Run run = runApplication(true, uiLanguages);
        QCOMPARE(run.exitCode, 0);
        // Everything before the lock still happens; the scene never loads.
        QCOMPARE(events.mid(0, 5), (QStringList{"enableShutdownPrivilege", "openKey HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\ 0",
                                                "enumKey PCI", "closeKey", "acquire"}));
        QCOMPARE(events.value(5), QStringLiteral("start TASKLIST"));
        QVERIFY(run.windowsAtListing.isEmpty());
        QCOMPARE(run.boxTitle, QStringLiteral("KPQ INSTALLATER"));
        QCOMPARE(run.boxText.split(QLatin1Char('\n')).value(0), firstLine);
        if (uiLanguages.constFirst() == QLatin1String("en-US"))
            QCOMPARE(run.boxText, QStringLiteral("KPQ INSTALLATER detects another instance is running.\n"
                                                 "Please close already running instance\n"
                                                 "            Or         \n"
                                                 "Multiple Instance Access Denied!"));
    }

    void uiLanguage_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("first with a translation") << QStringList{"nl-NL", "de-AT", "fr-FR"} << "de";
        QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << "";
        QTest::newRow("country chosen") << QStringList{"pt-BR"} << "pt_BR";
        QTest::newRow("same language, other country") << QStringList{"pt-PT"} << "pt_BR";
        QTest::newRow("script as Qt names it") << QStringList{"zh-Hans-CN"} << "zh_CN";
        QTest::newRow("other script") << QStringList{"zh-Hant-TW", "zh-TW"} << "";
        QTest::newRow("none translated") << QStringList{"nl-NL", "C"} << "";
        QTest::newRow("nothing known") << QStringList() << "";
    }

    void uiLanguage()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        QCOMPARE(UiLanguage::choose(uiLanguages, UiLanguage::available()), chosen);
    }
};

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
