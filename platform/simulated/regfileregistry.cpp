#include "platform/simulated/regfileregistry.h"

#include "platform/simulated/regfileparser.h"
#include "platform/simulated/regkeynode.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QtEndian>

#include <sys/stat.h>

#include <algorithm>

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

bool RegFileRegistry::Stamp::operator==(const Stamp &other) const
{
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size
        && modified == other.modified && changed == other.changed;
}

RegFileRegistry::Stamp RegFileRegistry::stamp() const
{
    Stamp stamp;
    struct stat status = {};
    if (m_filePath.isEmpty() || ::stat(QFile::encodeName(m_filePath).constData(), &status) != 0
        || !S_ISREG(status.st_mode))
        return stamp;
    // A file renamed into place has another inode, so even an installer that writes
    // the same size within the same clock tick is seen.
    constexpr qint64 nsPerSecond = 1000000000;
    stamp.exists = true;
    stamp.device = qint64(status.st_dev);
    stamp.inode = qint64(status.st_ino);
    stamp.size = qint64(status.st_size);
    stamp.modified = qint64(status.st_mtim.tv_sec) * nsPerSecond + status.st_mtim.tv_nsec;
    stamp.changed = qint64(status.st_ctim.tv_sec) * nsPerSecond + status.st_ctim.tv_nsec;
    return stamp;
}

std::shared_ptr<const RegKeyNode> RegFileRegistry::load() const
{
    QMutexLocker locker(&m_loadMutex);
    // Taken before the read: a file replaced while it is read is read again next time.
    const qint64 readAtNs = QDateTime::currentMSecsSinceEpoch() * 1000 * 1000;
    const Stamp now = stamp();
    if (m_loaded && m_loadedSettled && now == m_loadedStamp)
        return m_loaded;
    // The old tree goes first, so a large file is never held twice by this reader.
    m_loaded.reset();
    QFile file(m_filePath);
    const RegFileParser parser(now.exists && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    m_loadedStamp = now;
    // File times move in clock ticks: a file written in place again within the tick it was
    // read in would keep its stamp. Only a file changed a while before is taken as unchanged,
    // judged by the change time: the modification time can be set back by whoever writes
    // (cp -p, touch -d, rsync -t), the change time cannot.
    constexpr qint64 settleNs = 1000LL * 1000 * 1000;
    m_loadedSettled = now.changed < readAtNs - settleNs;
    m_loaded = parser.tree();
    m_loadedProblem = now.exists ? parser.problem() : RegFileParser::NoProblem;
    return m_loaded;
}

QStringList RegFileRegistry::problems(const QString &expectedKeyPath) const
{
    const std::shared_ptr<const RegKeyNode> tree = load();
    const QString file = QDir::toNativeSeparators(m_filePath);
    const QFileInfo info(m_filePath);
    if (m_filePath.isEmpty() || !info.exists())
        return {};
    if (!info.isFile())
        return {QStringLiteral("registry file %1 is not a file: the registry reads as empty").arg(file)};
    QMutexLocker locker(&m_loadMutex);
    switch (m_loadedProblem) {
    case RegFileParser::Empty:
        return {QStringLiteral("registry file %1 is empty: the registry reads as empty").arg(file)};
    case RegFileParser::UnreadableEncoding:
        return {QStringLiteral("registry file %1 is in an encoding that cannot be read (use UTF-16LE with a "
                               "byte-order mark, as reg export writes, or UTF-8): the registry reads as empty")
                    .arg(file)};
    case RegFileParser::NoHeader:
        return {QStringLiteral("registry file %1 does not begin with \"Windows Registry Editor Version 5.00\" or "
                               "\"REGEDIT4\": the registry reads as empty")
                    .arg(file)};
    case RegFileParser::NoProblem:
        break;
    }
    const RegKeyNode *expected = findKey(*tree, expectedKeyPath);
    if (expected && expected->subKeyCount() > 0)
        return {};
    const QStringList path = RegFileParser::keyPath(expectedKeyPath);
    const QString keyName = path.join(QLatin1Char('\\'));
    // A 32-bit program reads below WOW6432Node; a file exported from the 64-bit view lacks it.
    const auto isView = [](const QString &name) { return name.compare(QLatin1String("WOW6432Node"), Qt::CaseInsensitive) == 0; };
    const auto view = std::find_if(path.cbegin(), path.cend(), isView);
    if (view == path.cend())
        return {QStringLiteral("registry file %1 has no key below %2, so no product is found installed").arg(file, keyName)};
    QString problem = QStringLiteral("registry file %1 has no key below %2 (the 32-bit view, which the front-end "
                                     "reads), so no product is found installed")
                          .arg(file, keyName);
    QStringList otherView = path;
    otherView.removeAt(int(view - path.cbegin()));
    const RegKeyNode *other = tree->descendant(otherView);
    if (other && other->subKeyCount() > 0)
        problem += QStringLiteral("; it has keys below %1: it was exported from the 64-bit view, export %2 instead")
                       .arg(otherView.join(QLatin1Char('\\')), keyName);
    return {problem};
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
