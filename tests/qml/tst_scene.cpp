#include "calllog.h"
#include "fakecustomsettings.h"
#include "fakedriverinfo.h"
#include "app/iconeffectprovider.h"
#include "scenehost.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

// Publishes to every test file a fresh set of fakes, their shared call log and the scene host
// that runs the scene against them.
class SceneTestSetup final : public QObject
{
    Q_OBJECT

public:
    SceneTestSetup() = default;
    Q_DISABLE_COPY_MOVE(SceneTestSetup)

public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        auto *log = new CallLog(engine);
        auto *customSettings = new FakeCustomSettings(log, engine);
        auto *driverInfo = new FakeDriverInfo(log, engine);
        // Not a child of the engine: its scene must go before the engine's children, the fakes.
        auto *host = new SceneHost(QStringLiteral(SCENE_SOURCE_DIR), log, customSettings, driverInfo);
        connect(engine, &QObject::destroyed, host, [host] { delete host; });

        IconEffectProvider::install(engine);

        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("callLog"), log);
        context->setContextProperty(QStringLiteral("qtInterface"), customSettings);
        context->setContextProperty(QStringLiteral("qtInterface1"), driverInfo);
        context->setContextProperty(QStringLiteral("sceneHost"), host);
    }
};

QUICK_TEST_MAIN_WITH_SETUP(scene, SceneTestSetup)

#include "tst_scene.moc"
