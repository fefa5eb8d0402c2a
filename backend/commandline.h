#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The front-end's command line, taken apart once: removal mode and its product code, the rows of
// the install list, the RAID-mode markers. The arguments cannot change during a run, so the backend
// objects ask this instead of reading the argument list again.
class CommandLine final
{
public:
    // How one argument is taken. A tile is a switch the catalogue knows; an unknown switch is a row
    // without a tile that rides along with a shown choice (the package may pass a driver newer than
    // the catalogue); a marker and a dropped token are never rows.
    enum class Kind { Tile, Unknown, Marker, Dropped };
    struct Argument
    {
        QString text;
        Kind kind;
        QString whyDropped;
        // What the argument spells in another case ("/SETPCI" for "/setpci"), when it is not that.
        QString meant;
    };

    static inline const QString raidNvmeMarker = QStringLiteral("/SET_RAIDNVME");
    static inline const QString raidSataMarker = QStringLiteral("/SET_RAIDSATA");
    static inline const QString removalSwitch = QStringLiteral("/U");

    // `arguments` as the process has them: entry 0 is the executable.
    explicit CommandLine(const QStringList &arguments);

    // "/U" as the first argument, exactly; the product code is the argument after it, if any.
    bool isRemoval() const { return m_removal; }
    QString productCode() const { return m_productCode; }
    // The first argument is the NVMe marker.
    bool isUpgrade() const { return m_upgrade; }
    // Three arguments with a marker last name the RAID mode.
    bool raidNvme() const { return m_raidNvme; }
    bool raidSata() const { return m_raidSata; }
    // The install list: tiles and unknown switches, in command-line order.
    QStringList switches() const;
    // Every argument after the executable, as taken.
    const QVector<Argument> &arguments() const { return m_arguments; }
    // Whether any entry, the executable's path included, contains `text`, ignoring case.
    bool mentions(const QString &text) const;
    // Install mode offers at least one tile.
    bool offersTile() const;
    // Notes the arguments in the log, and warns about each that will not do what it seems to ask.
    void note() const;

private:
    QStringList switchesOf(Kind kind, Kind other) const;

    QStringList m_all;
    QVector<Argument> m_arguments;
    QString m_productCode;
    bool m_removal = false;
    bool m_upgrade = false;
    bool m_raidNvme = false;
    bool m_raidSata = false;
};
