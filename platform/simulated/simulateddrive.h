#pragma once

#include <QString>

// Maps the Windows program paths the front-end starts onto a folder that
// stands for drive C:, so the same command lines run on a simulated system.
class SimulatedDrive final
{
public:
    // `root` is the folder standing for C:; empty means no drive, and drive
    // paths then stay unresolvable, as they would without the program.
    explicit SimulatedDrive(const QString &root);

    QString resolve(const QString &program) const;

private:
    QString findTool(const QString &name) const;

    QString m_root;
};
