#include "tests/warningrecorder.h"

namespace {
QtMessageHandler s_previous = nullptr;
}

WarningRecorder::WarningRecorder()
    : m_previous(qInstallMessageHandler(record))
{
    s_previous = m_previous;
}

WarningRecorder::~WarningRecorder()
{
    qInstallMessageHandler(m_previous);
    s_previous = nullptr;
}

QStringList &WarningRecorder::warnings()
{
    static QStringList collected;
    return collected;
}

QString WarningRecorder::report()
{
    return warnings().join(QLatin1Char('\n'));
}

void WarningRecorder::record(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool platformNote = context.category && qstrncmp(context.category, "qt.qpa.", 7) == 0;
    if ((type == QtWarningMsg || type == QtCriticalMsg) && !platformNote)
        warnings() << message;
    if (s_previous)
        s_previous(type, context, message);
}
