#pragma once

#include <QString>

// Environment variables, named without regard to case as on Windows.
class Environment
{
public:
    virtual ~Environment() = default;
    // Empty text when the variable is absent.
    virtual QString value(const QString &name) const = 0;
};
