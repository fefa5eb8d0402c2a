#pragma once

#include <QString>

// Whether a program may be started with the front-end's administrator rights: only when nobody
// but administrators could have replaced it, nor anything beside or above it.
class ProgramTrust
{
public:
    virtual ~ProgramTrust() = default;
    // Empty when `program` (a Windows path) may be started; otherwise why not, for the error output.
    virtual QString refusal(const QString &program) const = 0;
};
