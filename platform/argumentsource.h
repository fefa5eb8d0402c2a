#pragma once

#include <QStringList>

// The process's argument list: entry 0 is the executable, then the arguments.
class ArgumentSource
{
public:
    virtual ~ArgumentSource() = default;
    virtual QStringList arguments() const = 0;
    virtual QString applicationDirPath() const = 0;
};
