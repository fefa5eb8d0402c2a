#ifndef SCENEHOST_H
#define SCENEHOST_H

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

class CallLog;
class QQmlEngine;

// Runs the scene in an engine of its own, as the application does, with the fakes published as
// "qtInterface" and "qtInterface1". The scene's Qt.quit() and the links it opens are recorded in
// the CallLog instead of ending the test run or starting a browser, and its QML warnings are kept
// so that a test can fail on them.
class SceneHost final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList warnings READ warnings)

public:
    SceneHost(const QString &strSceneDir, CallLog *log, QObject *customSettings, QObject *driverInfo,
              QObject *parent = nullptr);
    ~SceneHost() override;
    Q_DISABLE_COPY_MOVE(SceneHost)

    QStringList warnings() const { return m_lstWarnings; }

    // Creates the scene file's root object (by default the main window); null when it fails.
    Q_INVOKABLE QObject *load(const QString &strFileName = QStringLiteral("main.qml"));
    // Destroys the scene and its engine.
    Q_INVOKABLE void unload();
    Q_INVOKABLE QUrl sceneFileUrl(const QString &strFileName) const;

public slots:
    void openUrl(const QUrl &url);

private:
    QString m_strSceneDir;
    CallLog *m_log;
    QObject *m_customSettings;
    QObject *m_driverInfo;
    QQmlEngine *m_engine = nullptr;
    QPointer<QObject> m_root;
    QStringList m_lstWarnings;
};

#endif // SCENEHOST_H
