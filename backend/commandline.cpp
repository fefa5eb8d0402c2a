#include "backend/commandline.h"

#include "backend/drivercatalogue.h"
#include "backend/installcommand.h"
#include "backend/logging.h"

CommandLine::CommandLine(const QStringList &arguments)
    : m_all(arguments)
{
    m_removal = arguments.value(1) == removalSwitch;
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
        Argument argument{text, Kind::Dropped, QString(), QString()};
        if (text == raidNvmeMarker || text == raidSataMarker)
            argument.kind = Kind::Marker;
        else if (!text.startsWith(QLatin1String("/SET")))
            argument.whyDropped = QStringLiteral("not a component switch (no \"/SET\")");
        else if (!InstallCommand::isFeatureKey(DriverCatalogue::featureKey(text)))
            argument.whyDropped = QStringLiteral("its feature key is no Windows Installer identifier");
        else
            argument.kind = DriverCatalogue::knows(text) ? Kind::Tile : Kind::Unknown;
        // Windows users expect switches to ignore case; they do not, so the near miss is named.
        for (const QString &exact : {DriverCatalogue::spelling(text), raidNvmeMarker, raidSataMarker, removalSwitch}) {
            if (!exact.isEmpty() && text != exact && text.compare(exact, Qt::CaseInsensitive) == 0)
                argument.meant = exact;
        }
        if (argument.kind == Kind::Dropped && !argument.meant.isEmpty())
            argument.whyDropped = QStringLiteral("not a switch; did you mean %1?").arg(argument.meant);
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

bool CommandLine::mentions(const QString &text) const
{
    for (const QString &argument : m_all) {
        if (argument.contains(text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool CommandLine::offersTile() const
{
    return !m_removal && !switchesOf(Kind::Tile, Kind::Tile).isEmpty();
}

void CommandLine::note() const
{
    QStringList quoted;
    for (const Argument &argument : m_arguments)
        quoted << QLatin1Char('"') + argument.text + QLatin1Char('"');
    qCInfo(lcCommandLine).noquote() << "arguments:" << (quoted.isEmpty() ? QStringLiteral("(none)") : quoted.join(QLatin1Char(' ')));
    if (m_removal)
        qCInfo(lcCommandLine).noquote() << "removal of product" << (m_productCode.isEmpty() ? QStringLiteral("(none given)") : m_productCode);
    for (const Argument &argument : m_arguments) {
        if (!argument.meant.isEmpty())
            qCWarning(lcCommandLine).noquote() << argument.text + QStringLiteral(" is not a switch; did you mean ") + argument.meant + QLatin1Char('?');
        else if (argument.kind == Kind::Unknown && !m_removal)
            qCWarning(lcCommandLine).noquote() << "unknown switch" << argument.text
                                               << "has no tile: it is passed to the setup program with the drivers chosen";
    }
}
