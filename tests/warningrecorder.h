#pragma once

#include <QObject>
#include <QStringList>

// A test object that fails each test function on any warning or critical message printed while it ran, its teardown
// included. The platform plugin's own notes ("qt.qpa.*") are about the test machine and are left out.
class WarningRecorder : public QObject
{
    Q_OBJECT

protected:
    // The warnings so far, which then count as expected.
    static QStringList takeWarnings();

private slots:
    void init();
    void cleanup();
};
