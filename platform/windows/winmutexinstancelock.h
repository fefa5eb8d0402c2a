#pragma once

#include "platform/instancelock.h"

// The single-instance guard as the Windows named mutex of the installer.
class WinMutexInstanceLock final : public InstanceLock
{
public:
    bool acquire() override;
};
