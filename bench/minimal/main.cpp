#include <QApplication>
#include <QQmlApplicationEngine>
#include <QUrl>

// The smallest Qt Quick program started the way the front-end starts: the
// yardstick bench/startup measures the front-end against.
int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication application(argc, argv);
    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    return QApplication::exec();
}
