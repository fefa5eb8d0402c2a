#include "extractorcleanup.h"

#include "processlauncher.h"
#include "processstart.h"

#include <QRegularExpression>

#include <algorithm>
#include <QString>

ExtractorCleanup::ExtractorCleanup(ProcessLauncher *launcher)
    : m_launcher(launcher)
{
}

ExtractorCleanup::~ExtractorCleanup() = default;

QStringList ExtractorCleanup::parseIdentifiers(const QByteArray &listing)
{
    static const QRegularExpression pidLabel(QStringLiteral("pid:"), QRegularExpression::CaseInsensitiveOption);
    QStringList identifiers;
    const QStringList lines = QString::fromUtf8(listing).split(QLatin1Char('\n'), Qt::KeepEmptyParts);
    for (const QString &line : lines) {
        if (!line.contains(QLatin1String("pid"), Qt::CaseInsensitive))
            continue;
        QString identifier = line;
        identifier.remove(QLatin1Char('\r'));
        identifier.remove(pidLabel);
        identifier = identifier.trimmed();
        // Only a positive decimal number may reach taskkill: other lines that
        // happen to contain "pid" (a window title, another tool's label) are not.
        bool ok = false;
        const qulonglong value = identifier.toULongLong(&ok, 10);
        const bool digitsOnly = !identifier.isEmpty()
            && std::all_of(identifier.cbegin(), identifier.cend(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
        if (ok && value > 0 && digitsOnly)
            identifiers << identifier;
    }
    return identifiers;
}

void ExtractorCleanup::run()
{
    auto listing = m_launcher->createRunner();
    listing->start(QStringLiteral("TASKLIST"),
                   {QStringLiteral("/FI"), QStringLiteral("WINDOWTITLE eq Chipset Driver Extractor"),
                    QStringLiteral("/FO"), QStringLiteral("LIST")});
    ProcessRunner &runner = *listing;
    m_runners.push_back(std::move(listing));
    if (!runner.waitForFinished(ProcessStart::timeoutMs))
        return;
    const QStringList identifiers = parseIdentifiers(runner.readAllStandardOutput());
    for (const QString &identifier : identifiers) {
        auto kill = m_launcher->createRunner();
        kill->start(QStringLiteral("taskkill"), {QStringLiteral("/F"), QStringLiteral("/PID"), identifier});
        m_runners.push_back(std::move(kill));
    }
}
