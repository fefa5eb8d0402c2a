#pragma once

#include <QByteArray>

// Counts what a Qt Quick program has built by the time it shows its first
// frame: windows, items (and how many of them are not visible), other
// objects, and the item types most often instantiated. bench/startup asks for
// it once per program, outside the measured starts.
class SceneCensus final
{
public:
    // Appends the census of every window of the application to `path`.
    static void write(const QByteArray &path);
};
