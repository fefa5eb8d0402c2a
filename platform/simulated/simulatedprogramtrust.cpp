#include "platform/simulated/simulatedprogramtrust.h"

#include "platform/simulated/simulateddrive.h"

#include <QDir>
#include <QFileInfo>

SimulatedProgramTrust::SimulatedProgramTrust(const QString &driveRoot)
    : m_driveRoot(QDir::cleanPath(driveRoot))
{
}

ProgramTrust::Verdict SimulatedProgramTrust::check(const QString &program) const
{
    QString path = QDir::cleanPath(SimulatedDrive(m_driveRoot).resolve(program));
    if (!QFileInfo::exists(path))
        return {QStringLiteral("%1 does not exist").arg(program), nullptr};
    for (;;) {
        const QFileInfo item(path);
        if (item.permissions() & (QFile::WriteGroup | QFile::WriteOther))
            return {QStringLiteral("%1: %2 can be changed by other users").arg(program, path), nullptr};
        if (path == m_driveRoot || !path.startsWith(m_driveRoot + QLatin1Char('/')))
            return {};
        path = item.path();
    }
}
