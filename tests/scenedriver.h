#pragma once

#include "platform/processlauncher.h"

#include <QImage>
#include <QObject>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

// Stops the calling test function when a helper step has failed.
#define STEP(call)                                                                                                     \
    do {                                                                                                               \
        call;                                                                                                          \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

class InstallerBackends;
class RunLog;
class QQmlApplicationEngine;
class QQuickItem;
class QQuickWindow;
class TestMachine;

// Runs the real application on a TestMachine: both backend objects, published as start-up publishes them, and the
// compiled-in main scene, then lets a test click and type into the window and find its items by objectName. The scene's
// Qt.quit() is counted instead of ending anything. Programs start through the machine's launcher; the driver keeps
// every runner it hands out, so that it can wait for the started programs before the backend objects that own them go.
class SceneDriver final : public QObject, public ProcessLauncher
{
    Q_OBJECT

public:
    explicit SceneDriver(TestMachine &machine);
    ~SceneDriver() override;
    Q_DISABLE_COPY_MOVE(SceneDriver)

    // Loads the scene and waits until its window has the keyboard.
    bool start();
    QQuickWindow *window() const { return m_window; }
    // What the window draws, through the scene's own renderer.
    QImage grab() const;

    // An item of the window, the header's included; null when there is none.
    QQuickItem *item(const QString &name) const;
    // The item exists, is visible with every ancestor, and has an area.
    bool isShown(const QString &name) const;
    QVariant value(const QString &name, const char *property) const;
    // The text of the status strip.
    QString statusText() const { return value(QStringLiteral("textProgress"), "text").toString(); }

    // A left click at the centre of a shown item; false when it is not shown.
    bool click(const QString &name);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Presses Tab until the named item has the keyboard; false when it never gets it.
    bool tabTo(const QString &name, int maxPresses = 30);
    // The items that have the keyboard after each of `presses` Tabs.
    QStringList tabChain(int presses);
    QString focusedName() const;
    // What assistive technology is told wrongly or not at all: shown controls that the keyboard
    // or a click reaches with no named ancestor, shown texts that nothing accessible says, and
    // accessible items with no name, or said hidden, shown, enabled or disabled unlike drawn.
    QStringList accessibilityFaults() const;

    int quitRequests() const { return m_quitRequests; }
    // The code the scene last asked to exit with; -1 before it asked.
    int exitCode() const { return m_exitCode; }
    // Waits until every program started so far has ended; false when one still runs after `msecs`.
    bool waitForPrograms(int msecs = 30000);

    std::unique_ptr<ProcessRunner> createRunner() override;

private:
    TestMachine &m_machine;
    std::vector<ProcessRunner *> m_runners; // owned by the backend objects
    std::unique_ptr<RunLog> m_log;
    std::unique_ptr<InstallerBackends> m_backends;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QQuickWindow *m_window = nullptr;
    int m_quitRequests = 0;
    int m_exitCode = -1;
};
