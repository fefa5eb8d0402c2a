#pragma once

#include <QString>

// The fixed vocabulary of drivers: display names and versions by component
// switch (install) and by feature key (removal). The tables themselves are
// in drivercatalogue.cpp, one line per driver.
class DriverCatalogue final
{
public:
    // "/SETPCI" gives "PCI": the switch less its first four characters.
    static QString featureKey(const QString &componentSwitch);

    static QString installName(const QString &componentSwitch);
    // Whether the install catalogue has the switch: only such a switch is shown as a tile.
    static bool knows(const QString &componentSwitch);
    // The catalogue's own spelling of a switch written in any case; empty when there is none.
    static QString spelling(const QString &componentSwitch);
    // Empty text for a switch the catalogue does not know.
    static QString installVersion(const QString &componentSwitch, bool olderWindows);

    static QString removalName(const QString &featureKey);
    static QString removalVersion(const QString &featureKey, bool olderWindows);

    // Deployed features never offered for removal, in the order they are taken out.
    static const QStringList &removalExclusions();
    // The removal list of a "DeployedFeatures" text: its pieces at every ",", empty ones kept,
    // less the first of each excluded entry.
    static QStringList removableFeatures(const QString &deployedFeatures);

    static int installRowCount();
};
