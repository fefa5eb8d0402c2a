#include "backend/commandline.h"

#include "backend/drivercatalogue.h"
#include "backend/installcommand.h"

CommandLine::CommandLine(const QStringList &arguments)
    : m_all(arguments)
{
    m_removal = arguments.value(1) == QLatin1String("/U");
    // "/U" as the last argument: no product code follows.
    if (m_removal)
        m_productCode = arguments.value(2);
    m_upgrade = arguments.value(1) == raidNvmeMarker;
    if (arguments.size() == 4) {
        m_raidNvme = arguments.at(3) == raidNvmeMarker;
        m_raidSata = !m_raidNvme && arguments.at(3) == raidSataMarker;
    }
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &text = arguments.at(i);
        Argument argument{text, Kind::Dropped, QString()};
        if (text == raidNvmeMarker || text == raidSataMarker)
            argument.kind = Kind::Marker;
        else if (!text.startsWith(QLatin1String("/SET")))
            argument.whyDropped = QStringLiteral("not a component switch (no \"/SET\")");
        else if (!InstallCommand::isFeatureKey(DriverCatalogue::featureKey(text)))
            argument.whyDropped = QStringLiteral("its feature key is no Windows Installer identifier");
        else
            argument.kind = DriverCatalogue::knows(text) ? Kind::Tile : Kind::Unknown;
        m_arguments << argument;
    }
}

QStringList CommandLine::switchesOf(Kind kind, Kind other) const
{
    QStringList switches;
    for (const Argument &argument : m_arguments) {
        if (argument.kind == kind || argument.kind == other)
            switches << argument.text;
    }
    return switches;
}

QStringList CommandLine::switches() const
{
    return switchesOf(Kind::Tile, Kind::Unknown);
}

QStringList CommandLine::unknownSwitches() const
{
    return switchesOf(Kind::Unknown, Kind::Unknown);
}

bool CommandLine::mentions(const QString &text) const
{
    for (const QString &argument : m_all) {
        if (argument.contains(text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
