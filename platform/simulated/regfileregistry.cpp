#include "platform/simulated/regfileregistry.h"

#include "platform/simulated/regfileparser.h"
#include "platform/simulated/regkeynode.h"

#include <QFile>
#include <QMutexLocker>
#include <QtEndian>

// This registry's key: the node it was opened on. The node shares ownership of
// the whole tree it came from, so the key outlives any rewrite of the file.
struct HKEY__
{
    std::shared_ptr<const RegKeyNode> node;
};

namespace {

// Win32 answers that the walk never expects, for misuse only.
constexpr long InvalidHandle = 6;
constexpr long InvalidParameter = 87;

// Longest names the walk can enumerate: it passes lengths of 255 and 16383
// characters, and those count the terminating NUL.
constexpr int MaxKeyNameLength = 254;
constexpr int MaxValueNameLength = 16382;

// A value that exists never reads as null, however empty.
QString present(const QString &text)
{
    return text.isNull() ? QLatin1String("") : text;
}

QString valueText(const RegKeyNode::Value &value)
{
    const QByteArray &data = value.data;
    switch (value.type) {
    case RegKeyNode::RegSz:
    case RegKeyNode::RegExpandSz:
    case RegKeyNode::RegLink: {
        const QString text = RegFileParser::fromUtf16Le(data);
        return present(text.left(text.indexOf(QChar(0))));
    }
    case RegKeyNode::RegMultiSz: {
        // The list ends at its first empty entry, the closing pair of NULs.
        const QStringList entries = RegFileParser::fromUtf16Le(data).split(QChar(0), Qt::KeepEmptyParts);
        return present(entries.mid(0, entries.indexOf(QString())).join(QLatin1Char('\n')));
    }
    case RegKeyNode::RegDword:
        if (data.size() == 4)
            return QString::number(qFromLittleEndian<quint32>(data.constData()));
        break;
    case RegKeyNode::RegDwordBigEndian:
        if (data.size() == 4)
            return QString::number(qFromBigEndian<quint32>(data.constData()));
        break;
    case RegKeyNode::RegQword:
        if (data.size() == 8)
            return QString::number(qFromLittleEndian<quint64>(data.constData()));
        break;
    default:
        break;
    }
    return present(QString::fromLatin1(data.toHex()));
}

// The key at `keyPath` in `tree`; the tree's own root is no key.
const RegKeyNode *findKey(const RegKeyNode &tree, const QString &keyPath)
{
    const QStringList path = RegFileParser::keyPath(keyPath);
    return path.isEmpty() ? nullptr : tree.descendant(path);
}

} // namespace

RegFileRegistry::RegFileRegistry(const QString &filePath)
    : m_filePath(filePath)
{
}

RegFileRegistry::~RegFileRegistry() = default;

QString RegFileRegistry::readText(const QString &keyPath, const QString &name) const
{
    const std::shared_ptr<const RegKeyNode> tree = load();
    const RegKeyNode *key = findKey(*tree, keyPath);
    const RegKeyNode::Value *value = key ? key->value(name) : nullptr;
    return value ? valueText(*value) : QString();
}

long RegFileRegistry::openKey(const QString &keyPath, HKEY *key)
{
    if (!key)
        return InvalidParameter;
    *key = nullptr;
    const std::shared_ptr<const RegKeyNode> tree = load();
    const RegKeyNode *node = findKey(*tree, keyPath);
    if (!node)
        return FileNotFound;
    QMutexLocker locker(&m_mutex);
    *key = open(std::shared_ptr<const RegKeyNode>(tree, node));
    return Success;
}

long RegFileRegistry::openSubKey(HKEY parent, const QString &name, HKEY *key)
{
    if (!key)
        return InvalidParameter;
    *key = nullptr;
    QMutexLocker locker(&m_mutex);
    const auto it = m_keys.find(parent);
    if (it == m_keys.end())
        return InvalidHandle;
    const std::shared_ptr<const RegKeyNode> &from = it->second->node;
    const RegKeyNode *node = from->descendant(name.split(QLatin1Char('\\'), Qt::SkipEmptyParts));
    if (!node)
        return FileNotFound;
    *key = open(std::shared_ptr<const RegKeyNode>(from, node));
    return Success;
}

long RegFileRegistry::queryInfo(HKEY key, KeyInfo *info)
{
    QMutexLocker locker(&m_mutex);
    const RegKeyNode *node = this->node(key);
    if (!node)
        return InvalidHandle;
    if (info) {
        info->subKeyCount = node->subKeyCount();
        info->valueCount = node->valueCount();
        info->maxValueDataLength = node->maxValueDataLength();
    }
    return Success;
}

long RegFileRegistry::enumKey(HKEY key, int index, QString *name)
{
    QMutexLocker locker(&m_mutex);
    const RegKeyNode *node = this->node(key);
    if (!node)
        return InvalidHandle;
    if (!name)
        return InvalidParameter;
    const RegKeyNode *subKey = node->subKeyAt(index);
    if (!subKey)
        return NoMoreItems;
    if (subKey->name().size() > MaxKeyNameLength)
        return MoreData;
    *name = subKey->name();
    return Success;
}

long RegFileRegistry::enumValue(HKEY key, int index, QString *name)
{
    QMutexLocker locker(&m_mutex);
    const RegKeyNode *node = this->node(key);
    if (!node)
        return InvalidHandle;
    if (!name)
        return InvalidParameter;
    if (index < 0 || index >= node->valueCount())
        return NoMoreItems;
    const QString &valueName = node->valueAt(index).name;
    if (valueName.size() > MaxValueNameLength)
        return MoreData;
    *name = valueName;
    return Success;
}

long RegFileRegistry::queryValue(HKEY key, const QString &name, QByteArray *data)
{
    QMutexLocker locker(&m_mutex);
    const RegKeyNode *node = this->node(key);
    if (!node)
        return InvalidHandle;
    const RegKeyNode::Value *value = node->value(name);
    if (!value)
        return FileNotFound;
    // Like the Win32 call, a null buffer only asks whether the value is there.
    if (data)
        *data = value->data;
    return Success;
}

void RegFileRegistry::closeKey(HKEY key)
{
    QMutexLocker locker(&m_mutex);
    m_keys.erase(key);
}

std::shared_ptr<const RegKeyNode> RegFileRegistry::load() const
{
    QFile file(m_filePath);
    if (m_filePath.isEmpty() || !file.open(QIODevice::ReadOnly))
        return RegFileParser(QByteArray()).tree();
    return RegFileParser(file.readAll()).tree();
}

const RegKeyNode *RegFileRegistry::node(HKEY key) const
{
    const auto it = m_keys.find(key);
    return it == m_keys.end() ? nullptr : it->second->node.get();
}

HKEY RegFileRegistry::open(const std::shared_ptr<const RegKeyNode> &node)
{
    auto key = std::make_unique<HKEY__>(HKEY__{node});
    const HKEY handle = key.get();
    m_keys.emplace(handle, std::move(key));
    return handle;
}
