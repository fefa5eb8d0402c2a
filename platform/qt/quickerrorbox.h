#pragma once

#include "platform/errorbox.h"

// The box drawn with Qt Quick, which the front-end loads anyway: no widget library for one box.
class QuickErrorBox final : public ErrorBox
{
public:
    void show(const QString &title, const QString &text) override;
};
