#include "tests/warningrecorder.h"

#include <QStringList>
#include <QTest>

namespace {

QtMessageHandler s_previous = nullptr;
QStringList s_warnings;

void record(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool platformNote = context.category && qstrncmp(context.category, "qt.qpa.", 7) == 0;
    if ((type == QtWarningMsg || type == QtCriticalMsg) && !platformNote)
        s_warnings << message;
    if (s_previous)
        s_previous(type, context, message);
}

} // namespace

QStringList WarningRecorder::takeWarnings()
{
    QStringList warnings;
    warnings.swap(s_warnings);
    return warnings;
}

// Installed for each test function after the test library's own handler, which passes nothing on.
void WarningRecorder::init()
{
    s_warnings.clear();
    s_previous = qInstallMessageHandler(record);
}

void WarningRecorder::cleanup()
{
    qInstallMessageHandler(s_previous);
    QVERIFY2(s_warnings.isEmpty(), qPrintable(s_warnings.join(QLatin1Char('\n'))));
}
