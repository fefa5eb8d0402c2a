#pragma once

#include <QString>

#include <memory>

// Whether a program may be started with the front-end's administrator rights: only when nobody
// but administrators could have replaced it, nor anything beside or above it.
class ProgramTrust
{
public:
    struct Verdict
    {
        // Empty when the program may be started; otherwise why not, for the error output.
        QString refusal;
        // Keeps the program as it was checked (nobody can replace, rename or delete it) for as long
        // as it lives: hold it until the program has started.
        std::shared_ptr<void> hold;
    };

    virtual ~ProgramTrust() = default;
    // `program` is a Windows path.
    virtual Verdict check(const QString &program) const = 0;
};
