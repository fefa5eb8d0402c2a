#include "platform/qt/quickerrorbox.h"

#include <QEventLoop>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

void QuickErrorBox::show(const QString &title, const QString &text)
{
    QQmlApplicationEngine engine;
    engine.setInitialProperties({{QStringLiteral("title"), title}, {QStringLiteral("strText"), text}});
    engine.load(QUrl(QStringLiteral("qrc:/Qml/ErrorBox.qml")));
    const QList<QObject *> roots = engine.rootObjects();
    auto *window = roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(roots.constFirst());
    if (!window)
        return;
    QEventLoop loop;
    QObject::connect(window, &QWindow::visibleChanged, &loop, [&loop, window] {
        if (!window->isVisible())
            loop.quit();
    });
    loop.exec();
}
