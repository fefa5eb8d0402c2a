#include "platform/windows/winregistry.h"

#include "platform/windows/win32/win32registry.h"

#include <string>
#include <vector>

QString WinRegistry::readText(const QString &keyPath, const QString &name) const
{
    const std::optional<std::wstring> text = Win32Registry::readText(keyPath.toStdWString(), name.toStdWString());
    if (!text)
        return QString();
    // A value that exists never reads as null, however empty.
    return text->empty() ? QStringLiteral("") : QString::fromStdWString(*text);
}

long WinRegistry::openKey(const QString &keyPath, HKEY *key)
{
    return Win32Registry::openKey(keyPath.toStdWString(), key);
}

long WinRegistry::openSubKey(HKEY parent, const QString &name, HKEY *key)
{
    return Win32Registry::openSubKey(parent, name.toStdWString(), key);
}

long WinRegistry::queryInfo(HKEY key, KeyInfo *info)
{
    Win32Registry::KeyInfo figures;
    const long result = Win32Registry::queryInfo(key, &figures);
    if (result == Success && info) {
        info->subKeyCount = static_cast<int>(figures.subKeyCount);
        info->valueCount = static_cast<int>(figures.valueCount);
        info->maxValueDataLength = static_cast<int>(figures.maxValueDataLength);
    }
    return result;
}

long WinRegistry::enumKey(HKEY key, int index, QString *name)
{
    std::wstring text;
    const long result = Win32Registry::enumKey(key, static_cast<unsigned long>(index), &text);
    if (result == Success && name)
        *name = QString::fromStdWString(text);
    return result;
}

long WinRegistry::enumValue(HKEY key, int index, QString *name)
{
    std::wstring text;
    const long result = Win32Registry::enumValue(key, static_cast<unsigned long>(index), &text);
    if (result == Success && name)
        *name = QString::fromStdWString(text);
    return result;
}

long WinRegistry::queryValue(HKEY key, const QString &name, QByteArray *data)
{
    if (!data)
        return Win32Registry::queryValue(key, name.toStdWString(), nullptr);
    std::vector<unsigned char> bytes;
    const long result = Win32Registry::queryValue(key, name.toStdWString(), &bytes);
    if (result == Success)
        *data = QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<int>(bytes.size()));
    return result;
}

void WinRegistry::closeKey(HKEY key)
{
    Win32Registry::closeKey(key);
}
