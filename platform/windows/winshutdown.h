#pragma once

#include "platform/shutdown.h"

// The shutdown privilege and the restart, through the Win32 API.
class WinShutdown final : public Shutdown
{
public:
    bool enableShutdownPrivilege() override;
    void restart(unsigned flags, unsigned reason) override;
};
