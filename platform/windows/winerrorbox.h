#pragma once

#include "platform/errorbox.h"

// The system's message box, given Qt's texts.
class WinErrorBox final : public ErrorBox
{
public:
    void show(const QString &title, const QString &text) override;
};
