#include "platform/simulated/regkeynode.h"

#include <algorithm>

RegKeyNode::RegKeyNode(const QString &name)
    : m_name(name)
{
}

int RegKeyNode::subKeyCount() const
{
    return int(m_subKeys.size());
}

const RegKeyNode *RegKeyNode::subKeyAt(int index) const
{
    return index >= 0 && index < subKeyCount() ? m_subKeys[size_t(index)].get() : nullptr;
}

const RegKeyNode *RegKeyNode::subKey(const QString &name) const
{
    const auto it = m_subKeyIndex.constFind(lookupName(name));
    return it == m_subKeyIndex.constEnd() ? nullptr : m_subKeys[size_t(*it)].get();
}

const RegKeyNode *RegKeyNode::descendant(const QStringList &path) const
{
    const RegKeyNode *node = this;
    for (const QString &name : path) {
        node = node->subKey(name);
        if (!node)
            return nullptr;
    }
    return node;
}

RegKeyNode *RegKeyNode::descendant(const QStringList &path)
{
    return const_cast<RegKeyNode *>(static_cast<const RegKeyNode *>(this)->descendant(path));
}

RegKeyNode *RegKeyNode::addSubKey(const QString &name)
{
    const QString key = lookupName(name);
    const auto it = m_subKeyIndex.constFind(key);
    if (it != m_subKeyIndex.constEnd())
        return m_subKeys[size_t(*it)].get();
    m_subKeyIndex.insert(key, subKeyCount());
    m_subKeys.push_back(std::make_unique<RegKeyNode>(name));
    return m_subKeys.back().get();
}

void RegKeyNode::removeSubKey(const QString &name)
{
    const auto it = m_subKeyIndex.find(lookupName(name));
    if (it == m_subKeyIndex.end())
        return;
    const int removed = *it;
    m_subKeyIndex.erase(it);
    m_subKeys.erase(m_subKeys.begin() + removed);
    for (int &position : m_subKeyIndex) {
        if (position > removed)
            --position;
    }
}

int RegKeyNode::valueCount() const
{
    return int(m_values.size());
}

const RegKeyNode::Value &RegKeyNode::valueAt(int index) const
{
    return m_values[size_t(index)];
}

const RegKeyNode::Value *RegKeyNode::value(const QString &name) const
{
    const auto it = m_valueIndex.constFind(lookupName(name));
    return it == m_valueIndex.constEnd() ? nullptr : &m_values[size_t(*it)];
}

void RegKeyNode::setValue(const QString &name, quint32 type, const QByteArray &data)
{
    const QString key = lookupName(name);
    const auto it = m_valueIndex.constFind(key);
    if (it != m_valueIndex.constEnd()) {
        // A rewritten value keeps its place and first spelling, as in the registry.
        Value &value = m_values[size_t(*it)];
        value.type = type;
        value.data = data;
        return;
    }
    m_valueIndex.insert(key, valueCount());
    m_values.push_back(Value{name, type, data});
}

void RegKeyNode::removeValue(const QString &name)
{
    const auto it = m_valueIndex.find(lookupName(name));
    if (it == m_valueIndex.end())
        return;
    const int removed = *it;
    m_valueIndex.erase(it);
    m_values.erase(m_values.begin() + removed);
    for (int &position : m_valueIndex) {
        if (position > removed)
            --position;
    }
}

int RegKeyNode::maxValueDataLength() const
{
    int longest = 0;
    for (const Value &value : m_values)
        longest = std::max(longest, value.data.size());
    return longest;
}

QString RegKeyNode::lookupName(const QString &name)
{
    // The registry upper-cases code unit by code unit; full case mapping
    // (which would make "ß" equal "SS") is not what it does.
    QString folded = name;
    for (QChar &c : folded)
        c = c.toUpper();
    return folded;
}
