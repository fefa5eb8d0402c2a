#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// Composes the one installer run that the user's ticks ask for: the command
// text as the package documents it, and the program and argument list that
// are actually started. The list is built from the same pieces as the text,
// so no text from the command line or the registry can change its shape.
class InstallCommand final
{
public:
    QString text;
    QString program;
    QStringList arguments;
    // The "=YES " assignments of an install, or the REMOVE part of a removal.
    QString properties;

    // Asked once per install row, in row order, whether the package is
    // installed; the answers decide the ADDLOCAL part.
    using InstalledTest = std::function<bool(int row)>;

    // `setupProgram` is the setup program's path without quotes. A switch the catalogue does not
    // know rides along only with a ticked one it knows: without one there is nothing to start
    // (empty program).
    static InstallCommand install(const QString &setupProgram, const QStringList &switches,
                                  const QVector<qint32> &ticks, const InstalledTest &isInstalled);
    static InstallCommand removal(const QString &msiExecPath, const QString &productCode,
                                  const QStringList &features, const QVector<qint32> &ticks);

    // A feature key that Windows Installer accepts as a name in ADDLOCAL and REMOVE lists, an
    // identifier: a letter or an underscore, then letters, digits, underscores and periods.
    static bool isFeatureKey(const QString &key);
    // A Windows Installer product code: a GUID in braces, {8-4-4-4-12} hexadecimal digits.
    // Anything else could carry options of its own into MsiExec's command line.
    static bool isProductCode(const QString &code);
};
