#pragma once

#include "platform/registry.h"
#include "platform/simulated/regfileparser.h"

#include <QMutex>
#include <QString>
#include <QStringList>

#include <memory>
#include <unordered_map>

class RegKeyNode;

// The registry of a simulated Windows machine: one file, as `reg export`
// writes it, stands for the whole registry. readText and openKey look at the
// file each time, since the installer being watched may rewrite it at any
// moment, and parse it again only when it changed (another file renamed into
// place, a new size, modification or change time); an open key keeps the tree it
// was opened from, so a walk stays consistent. A missing file is an empty
// registry.
class RegFileRegistry final : public Registry
{
public:
    explicit RegFileRegistry(const QString &filePath);
    ~RegFileRegistry() override;
    Q_DISABLE_COPY_MOVE(RegFileRegistry)

    // REG_SZ, REG_EXPAND_SZ and REG_LINK read up to their first NUL,
    // REG_MULTI_SZ as its entries joined by "\n", REG_DWORD (also big-endian)
    // and REG_QWORD as unsigned decimal, anything else as lowercase hex digits
    // of its bytes.
    QString readText(const QString &keyPath, const QString &name) const override;

    long openKey(const QString &keyPath, HKEY *key) override;
    long openSubKey(HKEY parent, const QString &name, HKEY *key) override;
    long queryInfo(HKEY key, KeyInfo *info) override;
    long enumKey(HKEY key, int index, QString *name) override;
    long enumValue(HKEY key, int index, QString *name) override;
    long queryValue(HKEY key, const QString &name, QByteArray *data) override;
    void closeKey(HKEY key) override;

    // Why the file, as it is now, cannot serve as the registry the front-end
    // expects, one sentence each for the person who made it: no header, an
    // encoding it cannot be read in, or no key below `expectedKeyPath` (and
    // whether the file has that key in the other registry view). Empty when
    // the file reads well, and when there is no file: that is a clean machine.
    QStringList problems(const QString &expectedKeyPath) const;

private:
    // What tells one version of the file from the next without reading it.
    struct Stamp
    {
        bool operator==(const Stamp &other) const;
        bool exists = false;
        qint64 device = 0, inode = 0, size = 0, modified = 0, changed = 0; // times in ns
    };

    Stamp stamp() const;
    std::shared_ptr<const RegKeyNode> load() const;
    // The tree node behind an open key; nullptr for a key not open here.
    const RegKeyNode *node(HKEY key) const;
    // A new key on `node`; the caller holds m_mutex.
    HKEY open(const std::shared_ptr<const RegKeyNode> &node);

    const QString m_filePath;
    mutable QMutex m_mutex; // guards m_keys: the real registry is thread-safe too
    std::unordered_map<HKEY, std::unique_ptr<HKEY__>> m_keys;
    mutable QMutex m_loadMutex; // guards the parsed file below
    mutable Stamp m_loadedStamp;
    mutable bool m_loadedSettled = false; // written long enough before it was read to be trusted
    mutable std::shared_ptr<const RegKeyNode> m_loaded;
    mutable RegFileParser::Problem m_loadedProblem = RegFileParser::NoProblem;
};
