#include "scenecensus.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTextStream>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

struct Counts
{
    int items = 0;
    int hiddenItems = 0;
    QHash<QString, int> byType;
};

// "CNButton2_QMLTYPE_12" is a CNButton2; "QQuickRectangle" stays as it is.
QString typeName(const QObject *object)
{
    const QString name = QString::fromLatin1(object->metaObject()->className());
    const int suffix = name.indexOf(QLatin1String("_QMLTYPE_"));
    return suffix < 0 ? name : name.left(suffix);
}

void countItems(const QQuickItem *item, Counts &counts)
{
    ++counts.items;
    // isVisible() is the effective visibility: hidden with an ancestor too.
    if (!item->isVisible())
        ++counts.hiddenItems;
    ++counts.byType[typeName(item)];
    const QList<QQuickItem *> children = item->childItems();
    for (const QQuickItem *child : children)
        countItems(child, counts);
}

QString rendererName(QSGRendererInterface::GraphicsApi api)
{
    switch (api) {
    case QSGRendererInterface::Software:
        return QStringLiteral("software");
    case QSGRendererInterface::OpenGL:
    case QSGRendererInterface::OpenGLRhi:
        return QStringLiteral("OpenGL");
    default:
        return QStringLiteral("other");
    }
}

} // namespace

void SceneCensus::write(const QByteArray &path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream out(&file);
    const QWindowList windows = QGuiApplication::allWindows();
    Counts counts;
    int quickWindows = 0;
    int shownWindows = 0;
    int objects = 0;
    QString renderer = QStringLiteral("unknown");
    for (QWindow *window : windows) {
        auto *quickWindow = qobject_cast<QQuickWindow *>(window);
        if (!quickWindow)
            continue;
        ++quickWindows;
        if (quickWindow->isVisible()) {
            ++shownWindows;
            if (const QSGRendererInterface *interface = quickWindow->rendererInterface())
                renderer = rendererName(interface->graphicsApi());
        }
        countItems(quickWindow->contentItem(), counts);
        objects += quickWindow->findChildren<QObject *>().size();
    }
    out << "windows " << quickWindows << " (" << shownWindows << " shown)\n";
    out << "items " << counts.items << " (" << counts.hiddenItems << " not visible)\n";
    out << "objects " << objects << "\n";
    out << "renderer " << renderer << "\n";
    std::vector<std::pair<QString, int>> types;
    for (auto it = counts.byType.cbegin(); it != counts.byType.cend(); ++it)
        types.emplace_back(it.key(), it.value());
    std::sort(types.begin(), types.end(), [](const auto &a, const auto &b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    for (const auto &type : types)
        out << "type " << type.second << ' ' << type.first << '\n';
}
