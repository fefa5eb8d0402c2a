#include "platform/qt/applicationarguments.h"

#include <QCoreApplication>

QStringList ApplicationArguments::arguments() const
{
    return QCoreApplication::arguments();
}

QString ApplicationArguments::applicationDirPath() const
{
    return QCoreApplication::applicationDirPath();
}
