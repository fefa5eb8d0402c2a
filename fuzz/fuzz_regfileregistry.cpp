// The registry file is read from whatever bytes it holds: every key found can
// be walked the way the product-tree walk does it, every value found can be
// read, an open key outlives a rewrite of the file, and the tree written out
// by the writer reads back as the same tree.
//
// Input: the bytes of the registry file.

#include "fuzzsupport.h"
#include "platform/simulated/regfileparser.h"
#include "platform/simulated/regfileregistry.h"
#include "platform/simulated/regfilewriter.h"
#include "platform/simulated/regkeynode.h"

#include <memory>

namespace {

using FuzzSupport::fail;

std::unique_ptr<FuzzSupport::ScratchFile> registryFile;

// Walks `key` and everything below it as the product-tree walk does. Each
// text read parses the whole file again, so `textReads` bounds them; nullptr
// when the file no longer holds the tree the key came from.
void walk(RegFileRegistry &registry, HKEY key, const QString &path, int *textReads)
{
    Registry::KeyInfo info;
    if (registry.queryInfo(key, &info) != Registry::Success)
        fail(QStringLiteral("queryInfo failed on an open key: ") + path);
    if (registry.queryInfo(key, nullptr) != Registry::Success)
        fail(QStringLiteral("queryInfo without a buffer failed: ") + path);

    for (int i = 0; i < info.valueCount; ++i) {
        QString name;
        const long result = registry.enumValue(key, i, &name);
        if (result == Registry::MoreData)
            continue;
        if (result != Registry::Success)
            fail(QStringLiteral("enumValue within the count failed: ") + path);
        const QString where = path + QLatin1Char('@') + name;
        QByteArray data;
        if (registry.queryValue(key, name, &data) != Registry::Success
            || registry.queryValue(key, name, nullptr) != Registry::Success)
            fail(QStringLiteral("an enumerated value cannot be queried: ") + where);
        if (data.size() > info.maxValueDataLength)
            fail(QStringLiteral("value longer than the key's longest: ") + where);
        if (textReads && *textReads > 0) {
            --*textReads;
            if (registry.readText(path, name).isNull())
                fail(QStringLiteral("an enumerated value reads as missing: ") + where);
        }
    }
    QString name;
    if (registry.enumValue(key, info.valueCount, &name) != Registry::NoMoreItems
        || registry.enumValue(key, -1, &name) != Registry::NoMoreItems)
        fail(QStringLiteral("enumValue past the values did not end: ") + path);

    for (int i = 0; i < info.subKeyCount; ++i) {
        QString subName;
        const long result = registry.enumKey(key, i, &subName);
        if (result == Registry::MoreData)
            continue;
        if (result != Registry::Success)
            fail(QStringLiteral("enumKey within the count failed: ") + path);
        HKEY subKey = nullptr;
        if (registry.openSubKey(key, subName, &subKey) != Registry::Success)
            fail(QStringLiteral("an enumerated key cannot be opened: ") + path + QLatin1Char('\\') + subName);
        walk(registry, subKey, path + QLatin1Char('\\') + subName, textReads);
        registry.closeKey(subKey);
    }
    if (registry.enumKey(key, info.subKeyCount, &name) != Registry::NoMoreItems)
        fail(QStringLiteral("enumKey past the subkeys did not end: ") + path);
}

// Same names, values and order all the way down.
bool sameTree(const RegKeyNode &a, const RegKeyNode &b)
{
    if (a.name() != b.name() || a.valueCount() != b.valueCount() || a.subKeyCount() != b.subKeyCount())
        return false;
    for (int i = 0; i < a.valueCount(); ++i) {
        const RegKeyNode::Value &x = a.valueAt(i);
        const RegKeyNode::Value &y = b.valueAt(i);
        if (x.name != y.name || x.type != y.type || x.data != y.data)
            return false;
    }
    for (int i = 0; i < a.subKeyCount(); ++i) {
        if (!sameTree(*a.subKeyAt(i), *b.subKeyAt(i)))
            return false;
    }
    return true;
}

const char *const Hives[] = {"HKLM", "HKEY_CURRENT_USER", "hkcr", "HKU", "HKCC"};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::quietMessages();
    registryFile = std::make_unique<FuzzSupport::ScratchFile>(QStringLiteral("registry.reg"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    registryFile->write(input);
    RegFileRegistry registry(registryFile->path());

    // The product tree's own path, and a value in it, as the front-end reads them.
    registry.readText(QStringLiteral("HKLM\\SOFTWARE\\WOW6432Node\\ZYM\\ZYM_Chipset_IODrivers"),
                      QStringLiteral("DeployedFeatures"));

    HKEY kept = nullptr;
    const long keptResult = registry.openKey(QStringLiteral("HKLM"), &kept);

    int textReads = 8;
    for (const char *hive : Hives) {
        HKEY key = nullptr;
        if (registry.openKey(QLatin1String(hive), &key) != Registry::Success)
            continue;
        walk(registry, key, QLatin1String(hive), &textReads);
        registry.closeKey(key);
    }

    // A key opened before the file changed still reads the tree it came from.
    registryFile->write(QByteArray());
    if (keptResult == Registry::Success) {
        walk(registry, kept, QStringLiteral("HKLM"), nullptr);
        registry.closeKey(kept);
        Registry::KeyInfo info;
        if (registry.queryInfo(kept, &info) == Registry::Success)
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
