#pragma once

#include "platform/argumentsource.h"

// The argument list read once at start, before Qt is given anything: Qt reads its own options
// (a plugin folder among them) from the list it is handed, so it gets the program alone and the
// front-end's switches come from here.
class ApplicationArguments final : public ArgumentSource
{
public:
    explicit ApplicationArguments(const QStringList &arguments);

    QStringList arguments() const override;
    QString applicationDirPath() const override;

private:
    QStringList m_arguments;
};
