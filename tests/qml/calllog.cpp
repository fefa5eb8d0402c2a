#include "calllog.h"

CallLog::CallLog(QObject *parent)
    : QObject(parent)
{
}

void CallLog::record(const QString &entry)
{
    m_lstEntries.append(entry);
    emit entriesChanged();
}

void CallLog::clear()
{
    m_lstEntries.clear();
    emit entriesChanged();
}

int CallLog::indexOf(const QString &entry) const
{
    return m_lstEntries.indexOf(entry);
}

int CallLog::count(const QString &entry) const
{
    return m_lstEntries.count(entry);
}

QStringList CallLog::withPrefix(const QString &prefix) const
{
    QStringList lstFound;
    for (const QString &entry : m_lstEntries) {
        if (entry.startsWith(prefix))
            lstFound.append(entry);
    }
    return lstFound;
}
