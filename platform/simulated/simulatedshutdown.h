#pragma once

#include "platform/shutdown.h"

// Stands in for the Windows shutdown calls: the privilege is always granted
// and a restart request is only reported, never carried out.
class SimulatedShutdown final : public Shutdown
{
public:
    bool enableShutdownPrivilege() override;
    void restart(unsigned flags, unsigned reason) override;
};
