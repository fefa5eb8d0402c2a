#pragma once

#include "platform/programtrust.h"

// The real Windows' answer, from the permissions of the program and its folders.
class WinProgramTrust final : public ProgramTrust
{
public:
    Verdict check(const QString &program) const override;
};
