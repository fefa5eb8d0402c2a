#ifndef CALLLOG_H
#define CALLLOG_H

#include <QObject>
#include <QStringList>

// One ordered record of everything the scene asked of the outside world: backend calls,
// Qt.quit() and opened links, so a test can check both what happened and in which order.
class CallLog final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList entries READ entries NOTIFY entriesChanged)

public:
    explicit CallLog(QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(CallLog)

    QStringList entries() const { return m_lstEntries; }
    void record(const QString &entry);

    Q_INVOKABLE void clear();
    Q_INVOKABLE int indexOf(const QString &entry) const;
    Q_INVOKABLE int count(const QString &entry) const;
    // Entries that begin with prefix, such as every call on "qtInterface1.".
    Q_INVOKABLE QStringList withPrefix(const QString &prefix) const;

signals:
    void entriesChanged();

private:
    QStringList m_lstEntries;
};

#endif // CALLLOG_H
