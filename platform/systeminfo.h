#pragma once

#include <QString>

// Facts about the running system that select registry views and versions.
class SystemInfo
{
public:
    virtual ~SystemInfo() = default;
    virtual QString productVersion() const = 0;  // "7", "8.1", "10", ...
    virtual QString cpuArchitecture() const = 0; // "x86_64", "i386", ...
};
