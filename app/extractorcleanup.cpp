#include "app/extractorcleanup.h"

#include "backend/processstart.h"
#include "platform/processlauncher.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>

namespace {

// How often a listing started from the event loop is looked at.
constexpr int watchIntervalMs = 50;
// The extractor is one process. Anyone on the desktop can make windows with its title, so a
// listing may name thousands: only the first few are ended, each start a fork of its own.
constexpr int maxKills = 4;

} // namespace

ExtractorCleanup::ExtractorCleanup(ProcessLauncher *launcher, int listingTimeoutMs)
    : m_launcher(launcher)
    , m_listingTimeoutMs(listingTimeoutMs)
{
    m_watch.setInterval(watchIntervalMs);
    connect(&m_watch, &QTimer::timeout, this, &ExtractorCleanup::watchListing);
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

ProcessRunner &ExtractorCleanup::startListing()
{
    auto listing = m_launcher->createRunner();
    const QStringList arguments{QStringLiteral("/FI"), QStringLiteral("WINDOWTITLE eq Chipset Driver Extractor"),
                                QStringLiteral("/FO"), QStringLiteral("LIST")};
    listing->start(QStringLiteral("TASKLIST"), arguments, ProcessRunner::Output::Read);
    ProcessStart::note(*listing, arguments, "starting:");
    ProcessRunner &runner = *listing;
    m_runners.push_back(std::move(listing));
    return runner;
}

void ExtractorCleanup::killListed(ProcessRunner &listing, bool fromEventLoop)
{
    m_toKill = parseIdentifiers(listing.readAllStandardOutput()).mid(0, maxKills);
    if (!fromEventLoop) {
        while (!m_toKill.isEmpty())
            killNext();
        return;
    }
    // One start per turn of the event loop, so the window keeps answering between them.
    for (int i = 0; i < m_toKill.size(); ++i)
        QTimer::singleShot(0, this, &ExtractorCleanup::killNext);
}

void ExtractorCleanup::killNext()
{
    if (m_toKill.isEmpty())
        return;
    auto kill = m_launcher->createRunner();
    const QStringList arguments{QStringLiteral("/F"), QStringLiteral("/PID"), m_toKill.takeFirst()};
    kill->start(QStringLiteral("taskkill"), arguments, ProcessRunner::Output::Discarded);
    ProcessStart::note(*kill, arguments, "starting:");
    m_runners.push_back(std::move(kill));
}

void ExtractorCleanup::run()
{
    m_started = true;
    ProcessRunner &listing = startListing();
    if (listing.waitForFinished(m_listingTimeoutMs))
        killListed(listing, false);
}

void ExtractorCleanup::start()
{
    if (m_started)
        return;
    m_started = true;
    m_listing = &startListing();
    m_listingAge.start();
    m_watch.start();
}

void ExtractorCleanup::watchListing()
{
    if (m_listing->state() != QProcess::NotRunning) {
        // A listing that never ends ends nothing, as when waited for.
        if (m_listingAge.hasExpired(m_listingTimeoutMs))
            m_watch.stop();
        return;
    }
    m_watch.stop();
    // Only a listing that ran to its end is read: one that could not start has nothing to say.
    if (m_listing->error() != QProcess::FailedToStart)
        killListed(*m_listing, true);
}
