#include "platform/windows/win32/win32registry.h"

#include "platform/windows/win32/win32api.h"

#include <algorithm>
#include <cwctype>

namespace {

// The buffers of the product-tree walk: one character of each is never
// offered to the call, so the longest names that fit are one shorter than the
// registry allows.
constexpr DWORD KeyNameBufferLength = 256;
constexpr DWORD KeyNameLength = 255;
constexpr DWORD ValueNameBufferLength = 16384;
constexpr DWORD ValueNameLength = 16383;
constexpr DWORD ClassNameLength = 260;

// The subkey walk opens below the maker key for reading only (a key that denies
// administrators writing must still be read), always in the 64-bit view,
// whichever build reads it.
constexpr REGSAM SubKeyAccess = KEY_READ | KEY_WOW64_64KEY;

struct Hive
{
    const wchar_t *longName;
    const wchar_t *shortName;
    HKEY key;
};

const Hive Hives[] = {
    {L"HKEY_LOCAL_MACHINE", L"HKLM", HKEY_LOCAL_MACHINE},
    {L"HKEY_CURRENT_USER", L"HKCU", HKEY_CURRENT_USER},
    {L"HKEY_CLASSES_ROOT", L"HKCR", HKEY_CLASSES_ROOT},
    {L"HKEY_USERS", L"HKU", HKEY_USERS},
    {L"HKEY_CURRENT_CONFIG", L"HKCC", HKEY_CURRENT_CONFIG},
};

bool equalIgnoringCase(const std::wstring &text, const wchar_t *name)
{
    const std::wstring other(name);
    if (text.size() != other.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::towupper(text[i]) != std::towupper(other[i]))
            return false;
    }
    return true;
}

// Splits "HKLM\\SOFTWARE\\X\\" into the hive's key and "SOFTWARE\\X"; false
// for a path that names no known hive.
bool splitKeyPath(const std::wstring &keyPath, HKEY *hive, std::wstring *subKey)
{
    const std::size_t separator = keyPath.find(L'\\');
    const std::wstring hiveName = keyPath.substr(0, separator);
    for (const Hive &candidate : Hives) {
        if (equalIgnoringCase(hiveName, candidate.longName) || equalIgnoringCase(hiveName, candidate.shortName)) {
            *hive = candidate.key;
            *subKey = separator == std::wstring::npos ? std::wstring() : keyPath.substr(separator + 1);
            while (!subKey->empty() && subKey->back() == L'\\')
                subKey->pop_back();
            return true;
        }
    }
    return false;
}

// Type and bytes of a value; a value that grows between the size query and
// the read is simply asked for again.
LONG readValue(HKEY key, const std::wstring &name, DWORD *type, std::vector<unsigned char> *data)
{
    DWORD size = 0;
    LONG result = RegQueryValueExW(key, name.c_str(), nullptr, type, nullptr, &size);
    while (result == ERROR_SUCCESS) {
        data->resize(size);
        DWORD read = size;
        result = RegQueryValueExW(key, name.c_str(), nullptr, type, data->empty() ? nullptr : data->data(), &read);
        if (result == ERROR_SUCCESS) {
            data->resize(read);
        } else if (result == ERROR_MORE_DATA) {
            size = read;
            result = ERROR_SUCCESS;
            continue;
        }
        break;
    }
    return result;
}

// Little-endian UTF-16; an odd trailing byte is dropped.
std::wstring fromUtf16Le(const std::vector<unsigned char> &data)
{
    std::wstring text;
    text.reserve(data.size() / 2);
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
        text.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
    return text;
}

unsigned long long fromBytes(const std::vector<unsigned char> &data, bool bigEndian)
{
    unsigned long long number = 0;
    for (std::size_t i = 0; i < data.size(); ++i)
        number = number << 8 | data[bigEndian ? i : data.size() - 1 - i];
    return number;
}

std::wstring hexDigits(const std::vector<unsigned char> &data)
{
    static const wchar_t Digits[] = L"0123456789abcdef";
    std::wstring text;
    text.reserve(data.size() * 2);
    for (const unsigned char byte : data) {
        text.push_back(Digits[byte >> 4]);
        text.push_back(Digits[byte & 0xf]);
    }
    return text;
}

// "%ProgramFiles%\\ZYM" as the path it stands for; as written when it cannot be expanded.
std::wstring expanded(const wchar_t *text)
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ExpandEnvironmentStringsW(text, buffer.data(), DWORD(buffer.size()));
        if (length == 0)
            return text;
        if (length <= buffer.size())
            return buffer.data();
        buffer.resize(length);
    }
}

} // namespace

std::optional<std::wstring> Win32Registry::readText(const std::wstring &keyPath, const std::wstring &name)
{
    HKEY key = nullptr;
    if (openKey(keyPath, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = REG_NONE;
    std::vector<unsigned char> data;
    const LONG result = readValue(key, name, &type, &data);
    closeKey(key);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    return valueText(type, data);
}

std::wstring Win32Registry::valueText(unsigned long type, const std::vector<unsigned char> &data)
{
    switch (type) {
    case REG_EXPAND_SZ:
        return expanded(fromUtf16Le(data).c_str());
    case REG_SZ:
    case REG_LINK: {
        const std::wstring text = fromUtf16Le(data);
        return text.substr(0, text.find(L'\0'));
    }
    case REG_MULTI_SZ: {
        // The list ends at its first empty entry, the closing pair of NULs.
        const std::wstring text = fromUtf16Le(data);
        std::wstring joined;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = std::min(text.find(L'\0', start), text.size());
            if (end == start)
                break;
            if (start > 0)
                joined.push_back(L'\n');
            joined.append(text, start, end - start);
            start = end + 1;
        }
        return joined;
    }
    case REG_DWORD:
        if (data.size() == 4)
            return std::to_wstring(fromBytes(data, false));
        break;
    case REG_DWORD_BIG_ENDIAN:
        if (data.size() == 4)
            return std::to_wstring(fromBytes(data, true));
        break;
    case REG_QWORD:
        if (data.size() == 8)
            return std::to_wstring(fromBytes(data, false));
        break;
    default:
        break;
    }
    return hexDigits(data);
}

long Win32Registry::openKey(const std::wstring &keyPath, HKEY *key)
{
    *key = nullptr;
    HKEY hive = nullptr;
    std::wstring subKey;
    if (!splitKeyPath(keyPath, &hive, &subKey))
        return ERROR_FILE_NOT_FOUND;
    return RegOpenKeyExW(hive, subKey.c_str(), 0, KEY_READ, key);
}

long Win32Registry::openSubKey(HKEY parent, const std::wstring &name, HKEY *key)
{
    *key = nullptr;
    return RegOpenKeyExW(parent, name.c_str(), 0, SubKeyAccess, key);
}

long Win32Registry::queryInfo(HKEY key, KeyInfo *info)
{
    wchar_t className[ClassNameLength] = {};
    DWORD classNameLength = ClassNameLength;
    DWORD subKeys = 0;
    DWORD maxSubKeyLength = 0;
    DWORD maxClassLength = 0;
    DWORD values = 0;
    DWORD maxValueNameLength = 0;
    DWORD maxValueDataLength = 0;
    DWORD securityDescriptorLength = 0;
    FILETIME lastWriteTime = {};
    const LONG result = RegQueryInfoKeyW(key, className, &classNameLength, nullptr, &subKeys, &maxSubKeyLength,
                                         &maxClassLength, &values, &maxValueNameLength, &maxValueDataLength,
                                         &securityDescriptorLength, &lastWriteTime);
    if (result == ERROR_SUCCESS && info) {
        info->subKeyCount = subKeys;
        info->valueCount = values;
        info->maxValueDataLength = maxValueDataLength;
    }
    return result;
}

long Win32Registry::enumKey(HKEY key, unsigned long index, std::wstring *name)
{
    wchar_t buffer[KeyNameBufferLength] = {};
    DWORD length = KeyNameLength;
    const LONG result = RegEnumKeyExW(key, index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_SUCCESS && name)
        name->assign(buffer, length);
    return result;
}

long Win32Registry::enumValue(HKEY key, unsigned long index, std::wstring *name)
{
    std::vector<wchar_t> buffer(ValueNameBufferLength);
    DWORD length = ValueNameLength;
    const LONG result = RegEnumValueW(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_SUCCESS && name)
        name->assign(buffer.data(), length);
    return result;
}

long Win32Registry::queryValue(HKEY key, const std::wstring &name, std::vector<unsigned char> *data)
{
    // Without a buffer the call only asks whether the value is there.
    if (!data)
        return RegQueryValueExW(key, name.c_str(), nullptr, nullptr, nullptr, nullptr);
    DWORD type = REG_NONE;
    return readValue(key, name, &type, data);
}

void Win32Registry::closeKey(HKEY key)
{
    RegCloseKey(key);
}
