#include "platform/simulated/simulatedprogramtrust.h"

#include "platform/simulated/simulateddrive.h"

#include <QDir>
#include <QFileInfo>

SimulatedProgramTrust::SimulatedProgramTrust(const QString &driveRoot)
    : m_driveRoot(QDir::cleanPath(driveRoot))
{
}

QString SimulatedProgramTrust::refusal(const QString &program) const
{
    QString path = QDir::cleanPath(SimulatedDrive(m_driveRoot).resolve(program));
    if (!QFileInfo::exists(path))
        return QStringLiteral("%1 does not exist").arg(program);
    for (;;) {
        const QFileInfo item(path);
        if (item.permissions() & (QFile::WriteGroup | QFile::WriteOther))
            return QStringLiteral("%1: %2 can be changed by other users").arg(program, path);
        if (path == m_driveRoot || !path.startsWith(m_driveRoot + QLatin1Char('/')))
            return QString();
        path = item.path();
    }
}
