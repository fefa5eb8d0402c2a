#pragma once

#include "platform/hkey.h"

#include <optional>
#include <string>
#include <vector>

// The registry through the Win32 API, as a 64-bit process sees it: keys of the
// 32-bit view are reached by their explicit "WOW6432Node" paths. Key paths name
// their hive first ("HKLM\\SOFTWARE\\..." or "HKEY_LOCAL_MACHINE\\SOFTWARE\\...";
// HKCU, HKCR, HKU and HKCC likewise); a trailing backslash is allowed. Results
// are Win32 result codes.
class Win32Registry
{
public:
    struct KeyInfo
    {
        unsigned long subKeyCount = 0;
        unsigned long valueCount = 0;
        unsigned long maxValueDataLength = 0; // bytes
    };

    // Text of value `name` below `keyPath`, read with KEY_READ; nothing when the
    // key or the value is missing or unreadable. Texts follow valueText.
    static std::optional<std::wstring> readText(const std::wstring &keyPath, const std::wstring &name);

    // REG_SZ and REG_LINK up to their first NUL, REG_EXPAND_SZ likewise with the
    // environment's variables expanded (it names a path), REG_MULTI_SZ as
    // its entries joined by "\n", REG_DWORD (also big-endian) and REG_QWORD as
    // unsigned decimal, anything else as lowercase hex digits of its bytes.
    static std::wstring valueText(unsigned long type, const std::vector<unsigned char> &data);

    // Opens `keyPath` with KEY_READ.
    static long openKey(const std::wstring &keyPath, HKEY *key);
    // Opens `name` below `parent` with KEY_READ in the 64-bit view.
    static long openSubKey(HKEY parent, const std::wstring &name, HKEY *key);
    static long queryInfo(HKEY key, KeyInfo *info);
    // Names longer than 254 characters answer ERROR_MORE_DATA.
    static long enumKey(HKEY key, unsigned long index, std::wstring *name);
    // Names longer than 16382 characters answer ERROR_MORE_DATA.
    static long enumValue(HKEY key, unsigned long index, std::wstring *name);
    // The bytes the registry stores for value `name`.
    static long queryValue(HKEY key, const std::wstring &name, std::vector<unsigned char> *data);
    static void closeKey(HKEY key);
};
