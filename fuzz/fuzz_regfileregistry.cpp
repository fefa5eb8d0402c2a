// The registry file is read from whatever bytes it holds (the input): every key found can be walked
// the way the product-tree walk does it, every value found can be read, an open key outlives a
// rewrite of the file, and the tree written out by the writer reads back as the same tree.

#include "fuzzsupport.h"
#include "platform/simulated/regfileparser.h"
#include "platform/simulated/regfileregistry.h"
#include "platform/simulated/regfilewriter.h"
#include "platform/simulated/regkeynode.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// Walks `key` and everything below it as the product-tree walk does. Each text read parses the
// whole file again, so `textReads` bounds them; nullptr when the file no longer holds the key's tree.
void walk(RegFileRegistry &registry, HKEY key, const QString &path, int *textReads)
{
    Registry::KeyInfo info;
    if (registry.queryInfo(key, &info) != Registry::Success || registry.queryInfo(key, nullptr) != Registry::Success)
        fail(QStringLiteral("queryInfo failed on an open key: ") + path);
    QString name;
    for (int i = 0; i < info.valueCount; ++i) {
        QByteArray data;
        const long result = registry.enumValue(key, i, &name);
        if (result != Registry::MoreData
            && (result != Registry::Success || registry.queryValue(key, name, &data) != Registry::Success
                || registry.queryValue(key, name, nullptr) != Registry::Success
                || data.size() > info.maxValueDataLength
                || (textReads && (*textReads)-- > 0 && registry.readText(path, name).isNull())))
            fail(QStringLiteral("value %1 within the count not read whole: %2@%3").arg(i).arg(path, name));
    }
    if (registry.enumValue(key, info.valueCount, &name) != Registry::NoMoreItems
        || registry.enumValue(key, -1, &name) != Registry::NoMoreItems
        || registry.enumKey(key, info.subKeyCount, &name) != Registry::NoMoreItems)
        fail(QStringLiteral("enumeration past the count did not end: ") + path);
    for (int i = 0; i < info.subKeyCount; ++i) {
        HKEY subKey = nullptr;
        const long result = registry.enumKey(key, i, &name);
        if (result == Registry::MoreData)
            continue;
        if (result != Registry::Success || registry.openSubKey(key, name, &subKey) != Registry::Success)
            fail(QStringLiteral("subkey %1 within the count cannot be opened: %2\\%3").arg(i).arg(path, name));
        walk(registry, subKey, path + QLatin1Char('\\') + name, textReads);
        registry.closeKey(subKey);
    }
}

// Same names, values and order all the way down.
bool sameTree(const RegKeyNode &a, const RegKeyNode &b)
{
    bool same = a.name() == b.name() && a.valueCount() == b.valueCount() && a.subKeyCount() == b.subKeyCount();
    for (int i = 0; same && i < a.valueCount(); ++i) {
        const RegKeyNode::Value &x = a.valueAt(i);
        const RegKeyNode::Value &y = b.valueAt(i);
        same = x.name == y.name && x.type == y.type && x.data == y.data;
    }
    for (int i = 0; same && i < a.subKeyCount(); ++i)
        same = sameTree(*a.subKeyAt(i), *b.subKeyAt(i));
    return same;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write ") + path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("registry.reg"));
    writeFile(path, input);
    RegFileRegistry registry(path);

    registry.readText(QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers"), QStringLiteral("DeployedFeatures"));
    HKEY kept = nullptr;
    const long keptResult = registry.openKey(QStringLiteral("HKLM"), &kept);
    int textReads = 8;
    for (const char *hive : {"HKLM", "HKEY_CURRENT_USER", "hkcr", "HKU", "HKCC"}) {
        HKEY key = nullptr;
        if (registry.openKey(QLatin1String(hive), &key) == Registry::Success)
            walk(registry, key, QLatin1String(hive), &textReads);
        registry.closeKey(key);
    }

    // A key opened before the file changed still reads the tree it came from.
    writeFile(path, QByteArray());
    if (keptResult == Registry::Success) {
        walk(registry, kept, QStringLiteral("HKLM"), nullptr);
        registry.closeKey(kept);
        if (registry.queryInfo(kept, nullptr) == Registry::Success)
            fail(QStringLiteral("a closed key still answers"));
    }

    // Written out and read back, the tree is the same, and so is its file.
    const RegFileParser parsed(input);
    const QByteArray written = RegFileWriter::fileBytes(*parsed.tree());
    const RegFileParser reread(written);
    if (!sameTree(*parsed.tree(), *reread.tree()))
        fail(QStringLiteral("the written file reads back as another tree"));
    if (RegFileWriter::fileBytes(*reread.tree()) != written)
        fail(QStringLiteral("writing the tree read back gives another file"));
    return 0;
}
