#pragma once

#include "platform/hkey.h"

#include <QByteArray>
#include <QString>

// Read-only access to the machine's registry. Key paths are written as the
// native settings format writes them: "HKLM\\SOFTWARE\\...". The open-key
// operations mirror the Win32 calls behind the product-tree walk and answer
// Win32 result codes, so the walk reads the same on every platform.
class Registry
{
public:
    // Win32 result codes the walk relies on.
    enum Result : long {
        Success = 0,
        FileNotFound = 2,
        MoreData = 234,
        NoMoreItems = 259,
    };

    struct KeyInfo
    {
        int subKeyCount = 0;
        int valueCount = 0;
        int maxValueDataLength = 0; // bytes
    };

    virtual ~Registry() = default;

    // Text of value `name` below `keyPath`. A null QString when the key or the
    // value is missing, so absence stays distinguishable from an empty value.
    virtual QString readText(const QString &keyPath, const QString &name) const = 0;

    virtual long openKey(const QString &keyPath, HKEY *key) = 0;
    virtual long openSubKey(HKEY parent, const QString &name, HKEY *key) = 0;
    virtual long queryInfo(HKEY key, KeyInfo *info) = 0;
    virtual long enumKey(HKEY key, int index, QString *name) = 0;
    virtual long enumValue(HKEY key, int index, QString *name) = 0;
    // Raw data of a value as the registry stores it (REG_SZ: UTF-16LE with its terminator).
    virtual long queryValue(HKEY key, const QString &name, QByteArray *data) = 0;
    virtual void closeKey(HKEY key) = 0;
};
