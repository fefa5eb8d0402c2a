#include "platform/qt/qtsysteminfo.h"

#include <QSysInfo>

QString QtSystemInfo::productVersion() const
{
    return QSysInfo::productVersion();
}

QString QtSystemInfo::cpuArchitecture() const
{
    return QSysInfo::currentCpuArchitecture();
}
