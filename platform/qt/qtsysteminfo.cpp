#include "platform/qt/qtsysteminfo.h"

#include <QSysInfo>

QString QtSystemInfo::productVersion() const
{
    // Qt appends Windows' service pack ("7sp1", every Windows 7 still in use): the version alone counts.
    return withoutServicePack(QSysInfo::productVersion());
}

QString QtSystemInfo::withoutServicePack(QString version)
{
    // Cut by hand: a regular expression would load the pattern library before the first frame.
    int digits = version.size();
    while (digits > 0 && version.at(digits - 1) >= QLatin1Char('0') && version.at(digits - 1) <= QLatin1Char('9'))
        --digits;
    if (digits < version.size() && version.leftRef(digits).endsWith(QLatin1String("sp")))
        version.truncate(digits - 2);
    return version;
}

QString QtSystemInfo::cpuArchitecture() const
{
    return QSysInfo::currentCpuArchitecture();
}
