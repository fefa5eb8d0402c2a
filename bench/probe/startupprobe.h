#pragma once

#include <QObject>
#include <QSet>

#include <atomic>

class QQuickWindow;

// Preloaded into a Qt Quick program by bench/startup, so that neither the
// front-end nor the minimal window needs any code of its own for the
// measurement. Appends "<mark> <wall-clock us> <CPU us>" lines to the file
// that BENCH_PROBE_FILE names, the CPU time being what all the process's
// threads have used so far:
//   loaded  the program's libraries are mapped and initialised (before main)
//   app     the application object is being constructed
//   expose  a Qt Quick window is first exposed
//   frame   a Qt Quick window's first frame has been swapped to the screen
// With BENCH_CENSUS_FILE set, also writes a SceneCensus there after the frame.
// With BENCH_EXIT_AT_FRAME set, the process ends at its first frame, so that a
// profiler (callgrind, heaptrack) sees exactly the work of the start.
class StartupProbe final : public QObject
{
    Q_OBJECT

public:
    explicit StartupProbe(QObject *parent = nullptr);

    static void mark(const char *name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QQuickWindow *window);

    QSet<const QObject *> m_watched;
    std::atomic<bool> m_exposed{false};
    std::atomic<bool> m_framed{false};
};
