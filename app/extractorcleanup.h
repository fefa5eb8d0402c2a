#pragma once

#include <QByteArray>
#include <QStringList>

#include <memory>
#include <vector>

class ProcessLauncher;
class ProcessRunner;

// Ends the package extractor's process once the front-end is up: lists the
// processes owning a window titled "Chipset Driver Extractor" and kills each.
// The kill runners are kept until this object goes, so a kill can complete
// while the scene already runs.
class ExtractorCleanup final
{
public:
    explicit ExtractorCleanup(ProcessLauncher *launcher);
    ~ExtractorCleanup();
    Q_DISABLE_COPY_MOVE(ExtractorCleanup)

    void run();

    // The process identifiers in a task listing in list form.
    static QStringList parseIdentifiers(const QByteArray &listing);

private:
    ProcessLauncher *m_launcher;
    std::vector<std::unique_ptr<ProcessRunner>> m_runners;
};
