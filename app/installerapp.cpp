#include "app/installerapp.h"

#include "app/installerbackends.h"
#include "app/runlog.h"
#include "backend/installoutcome.h"
#include "backend/logging.h"
#include "platform/environment.h"
#include "platform/errorbox.h"
#include "app/accessiblecontrol.h"
#include "app/extractorcleanup.h"
#include "app/iconeffectprovider.h"
#include "app/icoiconengine.h"
#include "platform/instancelock.h"
#include "backend/processstart.h"
#include "app/uilanguage.h"

#include <QDebug>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <memory>

const QUrl InstallerApp::mainScene(QStringLiteral("qrc:/Qml/main.qml"));

namespace {

// The extractor clean-up starts at the first frame, or after this long without one.
constexpr int cleanupAtLatestMs = 1000;

// Centred in the available area of the screen the window opens on, and wholly inside it: the
// platform's default place can push a window as wide as a small screen partly off it.
void centreInAvailableArea(QWindow *window)
{
    const QRect area = window->screen()->availableGeometry();
    const QSize room = area.size() - window->size();
    window->setPosition(area.x() + std::max(0, room.width() / 2), area.y() + std::max(0, room.height() / 2));
}

void setWindowIcon()
{
    if (QGuiApplication::windowIcon().isNull())
        QGuiApplication::setWindowIcon(QIcon(new IcoIconEngine(QStringLiteral(":/img/ZYMlogo.ico"))));
}

} // namespace

void InstallerApp::showSecondCopyMessage(ErrorBox &box)
{
    const QString text = QCoreApplication::translate("main", "KPQ INSTALLATER detects another instance is running.")
        + QLatin1Char('\n') + QCoreApplication::translate("main", "Please close already running instance")
        + QLatin1Char('\n') + QCoreApplication::translate("main", "            Or         ")
        + QLatin1Char('\n') + QCoreApplication::translate("main", "Multiple Instance Access Denied!");
    box.show(QStringLiteral("KPQ INSTALLATER"), text);
}

QString InstallerApp::sceneGraphBackend(const Environment &environment)
{
#if defined(Q_OS_WIN)
    // Elevated, the front-end takes no orders from the environment (and start-up has removed
    // Qt's variables): no graphics driver's code is loaded into it.
    Q_UNUSED(environment)
#else
    // Qt reads these itself; a package engineer may want OpenGL to compare.
    for (const char *name : {"QT_QUICK_BACKEND", "QMLSCENE_DEVICE"}) {
        if (!environment.value(QLatin1String(name)).isEmpty())
            return {};
    }
#endif
    // A small, mostly still window needs no graphics stack: the software renderer starts in about
    // half the time and memory, and a driver installer often runs before the machine has a
    // graphics driver, where OpenGL would itself be emulated on the processor.
    return QStringLiteral("software");
}

int InstallerApp::run(const char *program, const Seams &seams)
{
    // Qt reads its own options (a plugin folder, a platform, a debugger) from the list it is
    // given: the program alone, so that whoever asks for the elevation chooses none of them.
    QByteArray programName(program);
    int argc = 1;
    char *argv[] = {programName.data(), nullptr};

    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    // Draw at the screen's own scale. Qt 5 would round Windows' 125% down to 100% and 150% up to
    // 200%, leaving the window a fifth smaller or a third larger than every other one on the
    // screen; the software renderer draws text and shapes at 1.25 and 1.5 without seams.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    const QString backend = sceneGraphBackend(*seams.platform.environment);
    if (!backend.isEmpty())
        QQuickWindow::setSceneGraphBackend(backend);
    std::unique_ptr<QGuiApplication> application = std::make_unique<QGuiApplication>(argc, argv);
    // The translation, installed before any text is looked up.
    std::unique_ptr<QTranslator> translator = UiLanguage::install(seams.uiLanguages);
    auto engine = std::make_unique<QQmlApplicationEngine>();
#if defined(Q_OS_WIN)
    // QML modules from the front-end's own folder and Qt's resources, not from the folder Qt was
    // built in: an elevated process loads no code from where a standard user may write.
    engine->setImportPathList({QCoreApplication::applicationDirPath(), QStringLiteral("qrc:/qt-project.org/imports")});
#endif
    IconEffectProvider::install(engine.get());
    AccessibleControl::install();

    RunLog log(*seams.platform.environment);
    // Never destroyed: the runner of the installer run must not end an installer it started
    // when the window closes, so the backends live until the process ends.
    auto *backends = new InstallerBackends(seams.platform);
    backends->publish(engine->rootContext());

    // The scene leaves with the exit code that tells how the run ended.
    int exitCode = InstallOutcome::exitCode(InstallOutcome::WayOut::SecondCopy);
    if (seams.instanceLock->acquire()) {
        log.open();
        auto cleanup = std::make_unique<ExtractorCleanup>(seams.platform.launcher, ProcessStart::timeoutMs);
        engine->load(mainScene);
        const QList<QObject *> roots = engine->rootObjects();
        if (!roots.isEmpty()) {
            // The extractor's window goes once ours is on the screen: listing every process's
            // windows can take seconds on Windows, and the scene must be drawn and answer
            // meanwhile. A window that is never drawn (started minimised) does not hold it up.
            // The window icon too: X11 takes every size of it, all seven decoded, while on Windows
            // the task bar shows the executable's own icon until then.
            ExtractorCleanup *extractorCleanup = cleanup.get();
            const auto afterFirstFrame = [extractorCleanup] {
                setWindowIcon();
                extractorCleanup->start();
            };
            if (auto *window = qobject_cast<QQuickWindow *>(roots.constFirst())) {
                centreInAvailableArea(window);
                auto firstFrame = std::make_shared<QMetaObject::Connection>();
                *firstFrame = QObject::connect(window, &QQuickWindow::frameSwapped, extractorCleanup,
                                               [afterFirstFrame, firstFrame] {
                                                   QObject::disconnect(*firstFrame);
                                                   afterFirstFrame();
                                               },
                                               Qt::QueuedConnection);
            }
            QTimer::singleShot(cleanupAtLatestMs, extractorCleanup, afterFirstFrame);
            exitCode = QGuiApplication::exec();
        } else {
            cleanup->run();
            // Without its window the run could never end: leave at once.
            qCWarning(lcProcess).noquote() << "could not load" << mainScene.toString();
            exitCode = InstallOutcome::exitCode(InstallOutcome::WayOut::EndedOtherwise);
        }
        cleanup.reset();
    } else {
        engine.reset();
        setWindowIcon();
        ExtractorCleanup cleanup(seams.platform.launcher, ProcessStart::timeoutMs);
        cleanup.run();
        showSecondCopyMessage(*seams.errorBox);
    }

    qCInfo(lcProcess) << "the front-end's exit code:" << exitCode;
    engine.reset();
    application.reset();
    return exitCode;
}
