#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// One key of a registry tree read from a file. Subkeys and values keep the
// order in which they first appeared and the spelling they first had, and are
// found again without regard to case, as the registry itself does.
class RegKeyNode final
{
public:
    // The REG_* numbers this reader gives a meaning to.
    enum ValueType : quint32 {
        RegSz = 1,
        RegExpandSz = 2,
        RegBinary = 3,
        RegDword = 4,
        RegDwordBigEndian = 5,
        RegLink = 6,
        RegMultiSz = 7,
        RegQword = 11,
    };

    struct Value
    {
        QString name;
        quint32 type = 0; // a REG_* number, not only those above
        QByteArray data;  // the bytes the registry stores
    };

    explicit RegKeyNode(const QString &name);
    Q_DISABLE_COPY_MOVE(RegKeyNode)

    const QString &name() const { return m_name; }

    int subKeyCount() const;
    const RegKeyNode *subKeyAt(int index) const;
    const RegKeyNode *subKey(const QString &name) const;
    // Follows `path`, one key name per entry; nullptr when a step is missing.
    const RegKeyNode *descendant(const QStringList &path) const;
    RegKeyNode *descendant(const QStringList &path);
    // The subkey of that name, made when missing.
    RegKeyNode *addSubKey(const QString &name);
    void removeSubKey(const QString &name);

    int valueCount() const;
    const Value &valueAt(int index) const;
    const Value *value(const QString &name) const;
    void setValue(const QString &name, quint32 type, const QByteArray &data);
    void removeValue(const QString &name);
    // Size in bytes of the largest value's data.
    int maxValueDataLength() const;

private:
    static QString lookupName(const QString &name);

    QString m_name;
    std::vector<std::unique_ptr<RegKeyNode>> m_subKeys;
    QHash<QString, int> m_subKeyIndex; // lookup name -> position in m_subKeys
    std::vector<Value> m_values;
    QHash<QString, int> m_valueIndex; // lookup name -> position in m_values
};
