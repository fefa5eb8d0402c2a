#pragma once

#include "platform/programtrust.h"

// The simulated drive's answer: a program that anyone but its owner could write, or whose folder
// up to the drive's root anyone else could write, is not started; the user running the
// simulation stands for the administrators.
class SimulatedProgramTrust final : public ProgramTrust
{
public:
    explicit SimulatedProgramTrust(const QString &driveRoot);
    Verdict check(const QString &program) const override;

private:
    QString m_driveRoot;
};
