#pragma once

#include <QString>

class Registry;
class SystemInfo;

// The package's registry entries as both backend objects see them: which
// view holds the package's keys, the restart flag and the older-Windows flag.
// Neither answer depends on the object asking, so both objects share this.
class PackageRegistry final
{
public:
    PackageRegistry(const Registry *registry, const SystemInfo *systemInfo);

    // Keys chosen by the view rule: the 32-bit view on x86_64 systems.
    QString packageKey() const;
    QString ioDriverKey() const;

    // A missing key or value reads as empty text.
    QString read(const QString &keyPath, const QString &name) const;

    bool isRestartRequired() const;
    bool isOlderWindows() const;

    static const QString makerKeyPath;
    // The package always writes its restart flag here, in the 32-bit view.
    static const QString restartFlagKeyPath;

private:
    QString viewRoot() const;

    const Registry *m_registry;
    const SystemInfo *m_systemInfo;
};
