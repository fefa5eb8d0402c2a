#include "platform/simulated/simulatedshutdown.h"

#include <QDebug>

bool SimulatedShutdown::enableShutdownPrivilege()
{
    return true;
}

void SimulatedShutdown::restart(unsigned flags, unsigned reason)
{
    qInfo().noquote() << QStringLiteral("restart requested: ExitWindowsEx flags 0x%1 reason 0x%2")
                              .arg(flags, 0, 16)
                              .arg(reason, 0, 16);
}
