#pragma once

#include "platform/hkey.h"

#include <QString>
#include <QStringList>

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
    // The IO-driver key's entries: whether the package is installed, and the features deployed.
    bool isPackageInstalled() const;
    QString deployedFeatures() const;
    // The package key's "iamlaunchedfrom", and whether it names the package's extraction folder
    // below C:\ZYM, where the older launch goes to Windows Installer directly.
    QString launchedFrom() const;
    bool isLaunchedFromExtractionFolder() const;

    // One product below the maker's key: its key name, its switch ("prdtcmd", null when the key
    // has none) and its installed version.
    struct Product
    {
        QString keyName;
        QString componentSwitch;
        QString version;
    };
    // The names of the subkeys of the open maker's key, as the front-end walks them at start.
    static QStringList productKeyNames(Registry &registry, HKEY makerKey);
    Product product(const QString &keyName) const;

    static const QString makerKeyPath;
    // The package always writes its restart flag here, in the 32-bit view.
    static const QString restartFlagKeyPath;

private:
    QString viewRoot() const;

    const Registry *m_registry;
    const SystemInfo *m_systemInfo;
};
