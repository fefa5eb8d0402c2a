#pragma once

#include "platform/registry.h"

// The machine's registry, read through the Win32 API.
class WinRegistry final : public Registry
{
public:
    WinRegistry() = default;

    QString readText(const QString &keyPath, const QString &name) const override;

    long openKey(const QString &keyPath, HKEY *key) override;
    long openSubKey(HKEY parent, const QString &name, HKEY *key) override;
    long queryInfo(HKEY key, KeyInfo *info) override;
    long enumKey(HKEY key, int index, QString *name) override;
    long enumValue(HKEY key, int index, QString *name) override;
    long queryValue(HKEY key, const QString &name, QByteArray *data) override;
    void closeKey(HKEY key) override;
};
