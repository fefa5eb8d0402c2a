#include "platform/qt/applicationarguments.h"

#include <QCoreApplication>

ApplicationArguments::ApplicationArguments(const QStringList &arguments)
    : m_arguments(arguments)
{
}

QStringList ApplicationArguments::arguments() const
{
    return m_arguments;
}

QString ApplicationArguments::applicationDirPath() const
{
    // From where the executable is, not from what the command line says it is.
    return QCoreApplication::applicationDirPath();
}
