#include "platform/qt/processenvironment.h"

ProcessEnvironment::ProcessEnvironment(const QProcessEnvironment &environment)
    : m_environment(environment)
{
}

QString ProcessEnvironment::value(const QString &name) const
{
    if (m_environment.contains(name))
        return m_environment.value(name);
    const QStringList keys = m_environment.keys();
    for (const QString &key : keys) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return m_environment.value(key);
    }
    return QString();
}
