#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <vector>

class ProcessLauncher;
class ProcessRunner;

// Ends the package extractor's process once the front-end is up: lists the
// processes owning a window titled "Chipset Driver Extractor" and kills the
// first few listed.
// The kill runners are kept until this object goes, so a kill can complete
// while the scene already runs.
class ExtractorCleanup final : public QObject
{
    Q_OBJECT

public:
    explicit ExtractorCleanup(ProcessLauncher *launcher, int listingTimeoutMs);
    ~ExtractorCleanup() override;
    Q_DISABLE_COPY_MOVE(ExtractorCleanup)

    // Lists and kills, waiting for the listing.
    void run();
    // The same from the event loop: the listing is watched, not waited for, so
    // the window paints and answers while it runs. Only the first call counts.
    void start();

    // The process identifiers in a task listing in list form.
    static QStringList parseIdentifiers(const QByteArray &listing);

private:
    ProcessRunner &startListing();
    void killListed(ProcessRunner &listing, bool fromEventLoop);
    void killNext();
    void watchListing();

    ProcessLauncher *m_launcher;
    int m_listingTimeoutMs;
    bool m_started = false;
    ProcessRunner *m_listing = nullptr;
    QTimer m_watch;
    QElapsedTimer m_listingAge;
    QStringList m_toKill;
    std::vector<std::unique_ptr<ProcessRunner>> m_runners;
};
