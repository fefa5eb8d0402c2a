#pragma once

#include "platform/systeminfo.h"

// The running system as QSysInfo reports it.
class QtSystemInfo final : public SystemInfo
{
public:
    QString productVersion() const override;
    QString cpuArchitecture() const override;
};
