#include "scenehost.h"

#include "calllog.h"
#include "app/iconeffectprovider.h"

#include <QDesktopServices>
#include <QDir>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlError>

namespace {
const QStringList s_lstUrlSchemes{QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file")};
} // namespace

SceneHost::SceneHost(const QString &strSceneDir, CallLog *log, QObject *customSettings,
                     QObject *driverInfo, QObject *parent)
    : QObject(parent)
    , m_strSceneDir(strSceneDir)
    , m_log(log)
    , m_customSettings(customSettings)
    , m_driverInfo(driverInfo)
{
    for (const QString &strScheme : s_lstUrlSchemes)
        QDesktopServices::setUrlHandler(strScheme, this, "openUrl");
}

SceneHost::~SceneHost()
{
    unload();
    for (const QString &strScheme : s_lstUrlSchemes)
        QDesktopServices::unsetUrlHandler(strScheme);
}

QUrl SceneHost::sceneFileUrl(const QString &strFileName) const
{
    return QUrl::fromLocalFile(QDir(m_strSceneDir).absoluteFilePath(strFileName));
}

QObject *SceneHost::load(const QString &strFileName)
{
    unload();
    m_lstWarnings.clear();

    m_engine = new QQmlEngine(this);
    IconEffectProvider::install(m_engine);
    connect(m_engine, &QQmlEngine::quit, this, [this] { m_log->record(QStringLiteral("Qt.quit()")); });
    connect(m_engine, &QQmlEngine::warnings, this, [this](const QList<QQmlError> &errors) {
        for (const QQmlError &error : errors)
            m_lstWarnings.append(error.toString());
    });
    m_engine->rootContext()->setContextProperty(QStringLiteral("qtInterface"), m_customSettings);
    m_engine->rootContext()->setContextProperty(QStringLiteral("qtInterface1"), m_driverInfo);

    QQmlComponent component(m_engine, sceneFileUrl(strFileName));
    m_root = component.create();
    if (!m_root) {
        const QList<QQmlError> errors = component.errors();
        for (const QQmlError &error : errors)
            m_lstWarnings.append(error.toString());
        qWarning().noquote() << "Cannot create" << strFileName << m_lstWarnings;
        return nullptr;
    }
    // The test engine must not collect the scene when its wrapper goes.
    QQmlEngine::setObjectOwnership(m_root, QQmlEngine::CppOwnership);
    return m_root;
}

void SceneHost::unload()
{
    delete m_root;
    delete m_engine;
    m_engine = nullptr;
}

void SceneHost::openUrl(const QUrl &url)
{
    m_log->record(QStringLiteral("openUrl(%1)").arg(url.toString()));
}
