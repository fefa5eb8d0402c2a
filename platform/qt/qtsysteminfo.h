#pragma once

#include "platform/systeminfo.h"

// The running system as QSysInfo reports it.
class QtSystemInfo final : public SystemInfo
{
public:
    QString productVersion() const override;
    QString cpuArchitecture() const override;

    // The version without the service pack Qt appends to it ("7sp1" is "7").
    static QString withoutServicePack(QString version);
};
