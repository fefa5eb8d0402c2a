#pragma once

#include "platform/argumentsource.h"

// The argument list and folder as the application object gives them.
class ApplicationArguments final : public ArgumentSource
{
public:
    QStringList arguments() const override;
    QString applicationDirPath() const override;
};
