#include "app/extractorcleanup.h"
#include "app/icoiconengine.h"
#include "app/installerapp.h"
#include "app/uilanguage.h"
#include "platform/qt/quickerrorbox.h"
#include "backend/processstart.h"
#include "backend/productpaths.h"
#include "tests/testplatform.h"

#include <QImageReader>
#include <QQuickItem>
#include <QQuickWindow>
#include <QWindow>
#include <QtTest>

namespace {

// The command line of the application objects the tests make.
int g_argc = 1;
char g_name[] = "tst_startup";
char *g_argv[] = {g_name, nullptr};

// Start-up's outside world, each call noted in order: the shutdown privilege, the registry walk, the lock, and the task
// listing (the first runner made once the lock is taken), with the windows shown at that moment; then `atListing` runs.
class Recorder final : public Registry, public Shutdown, public InstanceLock, public ProcessLauncher
{
public:
    Recorder(TestMachine &machine, bool lockHeld) : m_machine(machine), m_lockHeld(lockHeld) {}

    QStringList events;
    std::function<void()> atListing;

    QString readText(const QString &path, const QString &name) const override { return reg()->readText(path, name); }
    long openKey(const QString &path, HKEY *key) override { events << "openKey " + path; return reg()->openKey(path, key); }
    long openSubKey(HKEY parent, const QString &name, HKEY *key) override { return reg()->openSubKey(parent, name, key); }
    long queryInfo(HKEY key, KeyInfo *info) override { return reg()->queryInfo(key, info); }
    long enumKey(HKEY key, int index, QString *name) override
    {
        const long result = reg()->enumKey(key, index, name);
        events << QStringLiteral("enumKey ") + *name;
        return result;
    }
    long enumValue(HKEY key, int index, QString *name) override { return reg()->enumValue(key, index, name); }
    long queryValue(HKEY key, const QString &name, QByteArray *data) override { return reg()->queryValue(key, name, data); }
    void closeKey(HKEY key) override { reg()->closeKey(key); }
    bool enableShutdownPrivilege() override { events << QStringLiteral("privilege"); return true; }
    void restart(unsigned, unsigned) override { events << QStringLiteral("restart"); }
    bool acquire() override { events << QStringLiteral("lock"); return !m_lockHeld; }
    std::unique_ptr<ProcessRunner> createRunner() override
    {
        if (events.contains(QStringLiteral("lock")) && !m_listed) {
            m_listed = true;
            const auto windows = QGuiApplication::topLevelWindows();
            for (const QWindow *window : windows) {
                if (window->isVisible())
                    events << QStringLiteral("%1 %2 at %3").arg(window->title(), window->isExposed() ? "drawn" : "hidden")
                                  .arg(window->devicePixelRatio());
            }
            // Qt takes no option from the front-end's command line.
            events << QStringLiteral("listing%1%2").arg(QGuiApplication::windowIcon().isNull() ? "" : ", icon set",
                                                        QCoreApplication::arguments() == QStringList{g_name} ? "" : ", Qt options");
            atListing();
        }
        return m_machine.launcher->createRunner();
    }

private:
    Registry *reg() const { return m_machine.registry.get(); }
    TestMachine &m_machine;
    bool m_lockHeld;
    bool m_listed = false;
};

} // namespace

// The application as started, on a machine whose installers are stand-ins: the order of start-up,
// the second copy's box, closing the package extractor's window, and the language chosen.
class TestStartup : public QObject
{
    Q_OBJECT

private:
    // Runs the application with PCI offered and a PCI product installed.
    static int run(TestMachine &machine, Recorder &recorder, const QStringList &uiLanguages)
    {
        machine.setArguments({QStringLiteral("/SETPCI")});
        machine.writeRegistry(QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM\\PCI]\r\n"
                                             "\"prdtcmd\"=\"/SETPCI\"\r\n\"ProductVersion\"=\"1.0.0.70\"\r\n"));
        // What Qt reads as its own options, given on the front-end's command line.
        machine.arguments.list << QStringLiteral("-platform") << QStringLiteral("minimal") << QStringLiteral("-reverse");
        QuickErrorBox box;
        InstallerApp::Seams seams(machine.platform(), recorder, box, uiLanguages);
        seams.platform.registry = &recorder;
        seams.platform.shutdown = &recorder;
        seams.platform.launcher = &recorder;
        return InstallerApp::run(g_name, seams);
    }

private slots:
    // The scene is drawn before the extractor's window is listed, at the screen's own 125%, in
    // software with no widget machinery. Closed from outside before agreeing, it extracts.
    void firstCopyRunsTheScene()
    {
        TestMachine machine;
        machine.addRecorder(ProductPaths::extractOnlyProgram);
        Recorder recorder(machine, false);
        recorder.atListing = [] {
            QTimer::singleShot(0, QCoreApplication::instance(), [] {
                const auto windows = QGuiApplication::topLevelWindows();
                for (QWindow *window : windows)
                    window->close();
            });
        };
        QCOMPARE(run(machine, recorder, {}), 1602); // left before installing
        QCOMPARE(recorder.events, (QStringList{"privilege", "openKey HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\", "enumKey PCI",
                                               "lock", "CHIPSET DRIVER INSTALLER drawn at 1.25", "listing, icon set"}));
        QCOMPARE(QQuickWindow::sceneGraphBackend(), QStringLiteral("software"));
        QTRY_COMPARE(machine.recordedRuns(), (QList<QStringList>{{"ZYM_Chipset_Drivers.exe", "/S", "/v EXTRACTONLY=1 /qr"}}));
    }

    void secondCopyShowsTheBoxAndLeaves_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("box"); // how it starts
        QTest::addColumn<int>("key"); // that dismisses it
        const QString english = QStringLiteral("KPQ INSTALLATER: KPQ INSTALLATER detects another instance is running.\nPlease close");
        QTest::newRow("English, Return") << QStringList{"en-US", "de-DE"} << english << int(Qt::Key_Return);
        QTest::newRow("English, Escape") << QStringList{"en-US"} << english << int(Qt::Key_Escape);
        QTest::newRow("in the user's language, Space") << QStringList{"ja-JP", "en-US"} << "KPQ INSTALLATER: KPQ INSTALLATER の別の"
                                                        << int(Qt::Key_Space);
    }

    // Everything before the lock still happens; the scene never loads; the box shows until the user dismisses it.
    void secondCopyShowsTheBoxAndLeaves()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, box);
        QFETCH(int, key);
        TestMachine machine;
        Recorder recorder(machine, true);
        QTimer poll;
        recorder.atListing = [&] {
            connect(&poll, &QTimer::timeout, [&] {
                const auto windows = QGuiApplication::topLevelWindows();
                for (QWindow *window : windows) {
                    auto *shown = qobject_cast<QQuickWindow *>(window);
                    if (!shown || !shown->isExposed() || shown->objectName() != QLatin1String("winErrorBox"))
                        continue;
                    const auto *text = shown->findChild<QQuickItem *>(QStringLiteral("textMessage"));
                    recorder.events << shown->title() + ": " + text->property("text").toString();
                    poll.stop();
                    QTest::keyClick(shown, Qt::Key(key));
                    // A box the key left open fails here, not at the suite's time limit.
                    QTimer::singleShot(2000, shown, [&recorder, shown] {
                        recorder.events << QStringLiteral("still shown");
                        shown->close();
                    });
                }
            });
            poll.start(20);
        };
        QCOMPARE(run(machine, recorder, uiLanguages), 1618); // another copy runs
        QCOMPARE(recorder.events.mid(0, 5), (QStringList{"privilege", "openKey HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\", "enumKey PCI",
                                                       "lock", "listing, icon set"}));
        QVERIFY2(recorder.events.size() == 6 && recorder.events.last().startsWith(box), qPrintable(recorder.events.last()));
        // Drawn by Qt Quick alone, as the scene before it was.
        const QByteArray libraries = loadedLibraries();
        QVERIFY(libraries.contains("libQt5Quick.so") && !libraries.contains("libQt5QuickTemplates2"));
    }

    // The first four processes listed are killed, and only by a positive decimal identifier: a
    // desktop full of windows with the extractor's title kills no more. Waited for (the second
    // copy) or watched from the event loop (the first), which keeps running meanwhile.
    void listsThenKillsEachIdentifier_data()
    {
        QTest::addColumn<bool>("fromEventLoop");
        QTest::newRow("waited for") << false;
        QTest::newRow("watched from the event loop") << true;
    }

    void listsThenKillsEachIdentifier()
    {
        QFETCH(bool, fromEventLoop);
        QCoreApplication application(g_argc, g_argv);
        TestMachine machine;
        machine.addRecorder(QStringLiteral("C:\\Windows\\System32\\taskkill"));
        // The listing notes its arguments, and answers only once a mark is there.
        const QString arguments = machine.root.filePath(QStringLiteral("listed")), mark = machine.root.filePath(QStringLiteral("mark"));
        QVERIFY(QDir().mkpath(machine.drivePath + QStringLiteral("/Windows/System32")));
        QFile script(machine.drivePath + QStringLiteral("/Windows/System32/TASKLIST"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n"
                                    "n=0; until [ -e '%2' ] || [ $n -ge 600 ]; do sleep 0.05; n=$((n + 1)); done\n"
                                    "printf 'Image Name: Extract.exe\\r\\nPID:   1234\\r\\n\\r\\nPID: 99\\r\\nPID: 12 & del\\nPID: -3\\nPID: 0\\n'\n"
                                    "seq 1000 1099 | sed 's/^/PID: /'\n")
                         .arg(arguments, mark).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        const auto setMark = [&mark] { QFile(mark).open(QIODevice::WriteOnly); };

        ExtractorCleanup cleanup(machine.launcher.get(), ProcessStart::timeoutMs);
        if (fromEventLoop) {
            // Set by the event loop: a listing waited for here would give up before it came.
            QTimer::singleShot(0, setMark);
            cleanup.start();
            cleanup.start(); // a second frame does not list again
        } else {
            setMark();
            cleanup.run();
        }
        // The recorders write as they run: wait for whole records, the kills in either order.
        const auto sortedRuns = [&machine] {
            QList<QStringList> runs = machine.recordedRuns();
            std::sort(runs.begin(), runs.end());
            return runs;
        };
        const QList<QStringList> kills{{"taskkill", "/F", "/PID", "1000"}, {"taskkill", "/F", "/PID", "1001"},
                                       {"taskkill", "/F", "/PID", "1234"}, {"taskkill", "/F", "/PID", "99"}};
        QTRY_COMPARE_WITH_TIMEOUT(sortedRuns(), kills, 10000);
        QFile listed(arguments);
        QVERIFY(listed.open(QIODevice::ReadOnly));
        QCOMPARE(listed.readAll(), QByteArray("/FI\nWINDOWTITLE eq Chipset Driver Extractor\n/FO\nLIST\n"));
    }

    void uiLanguage_data()
    {
        QTest::addColumn<QStringList>("uiLanguages"); // empty: the user's, from LANGUAGE and LANG
        QTest::addColumn<QString>("chosen");
        QTest::newRow("first with a translation") << QStringList{"nl-NL", "de-AT", "fr-FR"} << "de";
        QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << "";
        QTest::newRow("same language, other country") << QStringList{"pt-PT"} << "pt_BR";
        QTest::newRow("script as Qt names it") << QStringList{"zh-Hans-CN"} << "zh_CN";
        QTest::newRow("other script") << QStringList{"zh-Hant-TW", "zh-TW"} << "";
#if !defined(Q_OS_WIN)
        QTest::newRow("LANGUAGE zh-Hant, LANG fr_FR.UTF-8") << QStringList() << "fr";
#endif
    }

    void uiLanguage()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        TestMachine machine;
        machine.environment.variables = {{"LANGUAGE", "zh-Hant"}, {"LANG", "fr_FR.UTF-8"}};
        if (uiLanguages.isEmpty())
            uiLanguages = UiLanguage::userLanguages(machine.environment);
        QCOMPARE(UiLanguage::choose(uiLanguages, UiLanguage::available()), chosen);
    }

    // Every frame of the window icon and the watermark, PNG ones included, as the ICO reader has it.
    void iconFrames()
    {
        for (const QString &file : {QStringLiteral(":/img/ZYMlogo.ico"), QStringLiteral(":/img/systemTray_white.ico")}) {
            QImageReader reader(file, "ico");
            IcoIconEngine engine(file);
            for (int frame = 0; reader.jumpToImage(frame); ++frame) {
                const QImage expected = reader.read().convertToFormat(QImage::Format_ARGB32);
                QVERIFY(!expected.isNull());
                QCOMPARE(engine.image(expected.size()).convertToFormat(QImage::Format_ARGB32), expected);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
