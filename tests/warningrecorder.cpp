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

WarningRecorder::WarningRecorder()
{
    s_previous = qInstallMessageHandler(record);
}

WarningRecorder::~WarningRecorder()
{
    qInstallMessageHandler(s_previous);
}

void WarningRecorder::init()
{
    s_warnings.clear();
}

void WarningRecorder::cleanup()
{
    QVERIFY2(s_warnings.isEmpty(), qPrintable(s_warnings.join(QLatin1Char('\n'))));
}
