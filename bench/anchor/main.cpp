#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QUrl>

// The yardstick bench/startup measures the front-end against: a bare Qt Quick window showing the
// front-end's licence page, started as a plain Qt Quick program starts.
int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QGuiApplication application(argc, argv);
    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/anchor.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    return QGuiApplication::exec();
}
