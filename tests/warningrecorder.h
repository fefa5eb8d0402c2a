#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects every warning and critical message while it lives, so that a
// test can fail on any warning the scene prints. The platform plugin's own
// notes ("qt.qpa.*") are about the test machine and are left out.
class WarningRecorder final
{
public:
    WarningRecorder();
    ~WarningRecorder();
    Q_DISABLE_COPY_MOVE(WarningRecorder)

    static QStringList &warnings();
    // What was collected, one warning a line; empty when there was nothing.
    static QString report();

private:
    static void record(QtMsgType type, const QMessageLogContext &context, const QString &message);

    QtMessageHandler m_previous;
};
