#include "platform/qt/qtsysteminfo.h"

#include <QRegularExpression>
#include <QSysInfo>

QString QtSystemInfo::productVersion() const
{
    // Qt appends Windows' service pack ("7sp1", every Windows 7 still in use): the version alone counts.
    return QSysInfo::productVersion().remove(QRegularExpression(QStringLiteral("sp[0-9]+$")));
}

QString QtSystemInfo::cpuArchitecture() const
{
    return QSysInfo::currentCpuArchitecture();
}
