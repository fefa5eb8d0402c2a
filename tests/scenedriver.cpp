#include "tests/scenedriver.h"

#include "app/installerbackends.h"
#include "app/runlog.h"
#include "app/accessiblecontrol.h"
#include "app/iconeffectprovider.h"
#include "app/installerapp.h"
#include "tests/testplatform.h"

#include <QAccessible>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocumentFragment>

namespace {

QQuickItem *findItem(QQuickItem *root, const QString &name)
{
    if (root->objectName() == name)
        return root;
    const QList<QQuickItem *> children = root->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

// The accessible item of `item`, unless it is left out of what assistive technology is told.
QAccessibleInterface *accessible(const QQuickItem *item)
{
    const QList<QObject *> children = item->children();
    for (const QObject *child : children) {
        if (child->inherits("QQuickAccessibleAttached") && child->property("ignored").toBool())
            return nullptr;
    }
    return QAccessible::queryAccessibleInterface(const_cast<QQuickItem *>(item));
}

// A text is read out when an accessible item that holds it says it: as its name, its description or its text.
bool isReadOut(const QQuickItem *text)
{
    const QString plain = QTextDocumentFragment::fromHtml(text->property("text").toString()).toPlainText();
    const QString said = plain.simplified().left(40);
    for (const QQuickItem *owner = text; owner; owner = owner->parentItem()) {
        QAccessibleInterface *iface = accessible(owner);
        QAccessibleTextInterface *textInterface = iface ? iface->textInterface() : nullptr;
        if (iface && (iface->text(QAccessible::Name) + QLatin1Char(' ') + iface->text(QAccessible::Description) + QLatin1Char(' ')
                      + (textInterface ? textInterface->text(0, textInterface->characterCount()) : QString()))
                         .simplified().contains(said))
            return true;
    }
    return false;
}

QStringList findFaults(const QQuickItem *root, bool drawn)
{
    QStringList found;
    const QList<QQuickItem *> children = root->childItems();
    for (const QQuickItem *child : children) {
        const bool shown = drawn && child->isVisible() && !qFuzzyIsNull(child->opacity());
        const QString name = child->objectName().isEmpty() ? QString::fromLatin1(child->metaObject()->className())
                                                            : child->objectName();
        if (QAccessibleInterface *own = accessible(child)) {
            const QAccessible::State state = own->state();
            if (own->text(QAccessible::Name).isEmpty())
                found << name + QStringLiteral(" has no name");
            if (state.invisible == shown)
                found << name + (shown ? QStringLiteral(" is said hidden") : QStringLiteral(" is said shown"));
            if (state.disabled == child->isEnabled())
                found << name + (state.disabled ? QStringLiteral(" is said disabled") : QStringLiteral(" is said enabled"));
        }
        const bool clickable = child->inherits("QQuickMouseArea") && child->property("acceptedButtons").toInt() != 0;
        if (shown && child->isEnabled() && (child->activeFocusOnTab() || clickable)) {
            const QQuickItem *owner = child;
            QAccessibleInterface *named = nullptr;
            for (; owner && !named; owner = owner->parentItem()) {
                QAccessibleInterface *candidate = accessible(owner);
                if (candidate && candidate->role() != QAccessible::NoRole)
                    named = candidate;
            }
            if (!named || named->text(QAccessible::Name).isEmpty())
                found << name + QStringLiteral(" is not named");
        }
        if (shown && child->inherits("QQuickText") && !child->property("text").toString().isEmpty() && !isReadOut(child))
            found << name + QStringLiteral(" is not read out");
        found << findFaults(child, shown);
    }
    return found;
}

} // namespace

SceneDriver::SceneDriver(TestMachine &machine)
    : m_machine(machine)
{
    // Wired as start-up wires them, except that programs start through here.
    Platform platform = machine.platform();
    platform.launcher = this;
    m_log = std::make_unique<RunLog>(machine.environment);
    m_log->open();
    m_backends = std::make_unique<InstallerBackends>(platform);

    m_engine = std::make_unique<QQmlApplicationEngine>();
    IconEffectProvider::install(m_engine.get());
    AccessibleControl::install();
    // The engine would end the application on Qt.quit(); here it only counts.
    QObject::disconnect(m_engine.get(), nullptr, QCoreApplication::instance(), nullptr);
    connect(m_engine.get(), &QQmlEngine::quit, this, [this] { ++m_quitRequests; });
    connect(m_engine.get(), &QQmlEngine::exit, this, [this](int code) { ++m_quitRequests; m_exitCode = code; });
    m_backends->publish(m_engine->rootContext());
}

SceneDriver::~SceneDriver()
{
    m_engine.reset();
    // A runner destroyed while its program runs would end it with a warning.
    waitForPrograms();
    m_backends.reset();
    m_log.reset();
}

bool SceneDriver::start()
{
    m_engine->load(InstallerApp::mainScene);
    const QList<QObject *> roots = m_engine->rootObjects();
    m_window = roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(roots.first());
    if (!m_window)
        return false;
    m_window->requestActivate();
    return QTest::qWaitForWindowActive(m_window);
}

QQuickItem *SceneDriver::item(const QString &name) const
{
    return m_window ? findItem(m_window->contentItem(), name) : nullptr;
}

QImage SceneDriver::grab() const
{
    // Grabbing the window itself needs a backing store that the offscreen platform lacks.
    const QSharedPointer<QQuickItemGrabResult> result = m_window->contentItem()->grabToImage();
    if (!result)
        return {};
    QSignalSpy ready(result.data(), &QQuickItemGrabResult::ready);
    return ready.wait(5000) ? result->image() : QImage();
}

bool SceneDriver::isShown(const QString &name) const
{
    const QQuickItem *found = item(name);
    return found && found->isVisible() && found->width() > 0 && found->height() > 0;
}

QVariant SceneDriver::value(const QString &name, const char *property) const
{
    const QQuickItem *found = item(name);
    return found ? found->property(property) : QVariant();
}

bool SceneDriver::click(const QString &name)
{
    // Positioners place their items when the window next polishes, right before it draws: let one
    // frame pass, so the click lands where a user would see the item, not where it stood before.
    QSignalSpy frame(m_window, &QQuickWindow::frameSwapped);
    m_window->update();
    frame.wait(1000);
    if (!isShown(name))
        return false;
    const QQuickItem *target = item(name);
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    return true;
}

void SceneDriver::key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(m_window, key, modifiers);
}

bool SceneDriver::tabTo(const QString &name, int maxPresses)
{
    for (int i = 0; i < maxPresses && focusedName() != name; ++i)
        key(Qt::Key_Tab);
    return focusedName() == name;
}

QStringList SceneDriver::tabChain(int presses)
{
    QStringList names;
    for (int i = 0; i < presses; ++i) {
        key(Qt::Key_Tab);
        names << focusedName();
    }
    return names;
}

QString SceneDriver::focusedName() const
{
    const QQuickItem *focused = m_window ? m_window->activeFocusItem() : nullptr;
    return focused ? focused->objectName() : QString();
}

QStringList SceneDriver::accessibilityFaults() const
{
    return findFaults(m_window->contentItem(), true);
}

bool SceneDriver::waitForPrograms(int msecs)
{
    bool ended = true;
    for (ProcessRunner *runner : m_runners) {
        if (runner->state() != QProcess::NotRunning)
            ended = runner->waitForFinished(msecs) && ended;
    }
    return ended;
}

std::unique_ptr<ProcessRunner> SceneDriver::createRunner()
{
    std::unique_ptr<ProcessRunner> runner = m_machine.launcher->createRunner();
    m_runners.push_back(runner.get());
    return runner;
}
