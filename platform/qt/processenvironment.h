#pragma once

#include "platform/environment.h"

#include <QProcessEnvironment>

// The process environment, looked up without regard to case as on Windows.
class ProcessEnvironment final : public Environment
{
public:
    explicit ProcessEnvironment(const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

    QString value(const QString &name) const override;

private:
    QProcessEnvironment m_environment;
};
