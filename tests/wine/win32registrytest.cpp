// Writes a registry tree with the Win32 API, checks Win32Registry's text reads
// of it, and writes every answer it gives inside the tree (texts, the product
// walk's key and value enumeration, value bytes) to an expectations file, so
// that the registry-file reader, an implementation of its own, is held to the
// same answers on Wine's export of the tree.
#include "testreport.h"
#include "platform/windows/win32registry.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

// The test tree: written through the 32-bit view, as the 32-bit package
// writes its keys, and read back through the explicit WOW6432Node path.
const std::wstring TestKey = L"SOFTWARE\\ZYM_TEST";
const std::wstring Wow = L"HKLM\\SOFTWARE\\WOW6432Node\\ZYM_TEST";
const std::wstring Native = L"HKLM\\SOFTWARE\\ZYM_TEST";

const std::wstring Unicode = L"\u00dcn\u00efc\u00f8d\u00e9 \u2713 \U0001D11E";
const std::wstring QuotedName = L"say \"hi\" \\ there";

Bytes utf16(const std::wstring &text, bool terminated = true)
{
    Bytes bytes;
    for (const wchar_t c : text) {
        bytes.push_back(static_cast<unsigned char>(c & 0xff));
        bytes.push_back(static_cast<unsigned char>(c >> 8));
    }
    if (terminated)
        bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

std::string hex(const Bytes &bytes)
{
    static const char Digits[] = "0123456789abcdef";
    std::string text;
    for (const unsigned char byte : bytes) {
        text.push_back(Digits[byte >> 4]);
        text.push_back(Digits[byte & 0xf]);
    }
    return text;
}

std::string show(const std::optional<std::wstring> &text)
{
    return text ? "\"" + TestReport::utf8(*text) + "\"" : std::string("(absent)");
}

struct StoredValue
{
    std::wstring key; // below TestKey
    std::wstring name;
    DWORD type;
    Bytes data;
};

// The 64-bit view: its own marker, and the values that an export does not
// carry as they are, kept out of the exported tree.
std::vector<StoredValue> nativeViewValues()
{
    return {
        {L"Package", L"View", REG_SZ, utf16(L"64")},
        {L"Odd", L"EmptyNoTerminator", REG_SZ, {}},
        {L"Odd", L"EmbeddedNul", REG_SZ, utf16(std::wstring(L"abc\0def", 7))},
    };
}

// Everything else below the test key, written through the 32-bit view.
std::vector<StoredValue> storedValues()
{
    return {
        {L"Package", L"View", REG_SZ, utf16(L"32")},
        {L"Package", L"InstallationPath", REG_SZ, utf16(L"C:\\Program Files (x86)\\ZYM\\")},
        {L"Package", L"DeployedFeatures", REG_SZ, utf16(L"PCI,GPIO2,SMBUS,CIR")},
        {L"Package", L"Empty", REG_SZ, utf16(L"")},
        {L"Package", L"Expand", REG_EXPAND_SZ, utf16(L"%ProgramFiles%\\ZYM")},
        {L"Package", L"Multi", REG_MULTI_SZ, utf16(std::wstring(L"one\0two\0", 8))},
        {L"Package", L"Answer", REG_DWORD, {42, 0, 0, 0}},
        {L"Package", L"Blob", REG_BINARY, {0x00, 0xab, 0x10}},
        {L"Package", L"Unicode", REG_SZ, utf16(Unicode)},
        {L"Package", QuotedName, REG_SZ, utf16(L"C:\\\"quoted\"\\path")},
        {L"Package", L"", REG_SZ, utf16(L"default text")},
        {L"Products", L"Owner", REG_SZ, utf16(L"ZYM")},
        {L"Products", L"Note", REG_SZ, utf16(L"registry walk")},
        {L"Products\\ZYM_GPIO", L"ProductVersion", REG_SZ, utf16(L"1.0.0.5")},
        {L"Products\\ZYM_GPIO", L"prdtcmd", REG_SZ, utf16(L"/SETGPIO2")},
        {L"Products\\ZYM_PCI", L"ProductVersion", REG_SZ, utf16(L"2.1.0.3")},
        {L"Products\\ZYM_PCI", L"prdtcmd", REG_SZ, utf16(L"/SETPCI")},
        {L"Products\\ZYM_SMBUS", L"ProductVersion", REG_SZ, utf16(L"5.12.0.38")},
        {L"Products\\ZYM_SMBUS", L"prdtcmd", REG_SZ, utf16(L"/SETSMBUS")},
        {L"Products\\ZYM_Docs", L"ProductVersion", REG_SZ, utf16(L"1.0")},
    };
}

bool writeValue(HKEY root, const std::wstring &keyPath, REGSAM view, const std::wstring &name, DWORD type,
                const Bytes &data)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExW(key, name.c_str(), 0, type, data.empty() ? nullptr : data.data(),
                                       static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

void writeTree(TestReport &report)
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\WOW6432Node\\ZYM_TEST");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, TestKey.c_str());

    for (const StoredValue &value : storedValues()) {
        const std::wstring keyPath = TestKey + L"\\" + value.key;
        report.check(writeValue(HKEY_LOCAL_MACHINE, keyPath, KEY_WOW64_32KEY, value.name, value.type, value.data),
                     "write " + TestReport::utf8(value.key) + " " + TestReport::utf8(value.name));
    }
    for (const StoredValue &value : nativeViewValues()) {
        const std::wstring keyPath = TestKey + L"\\" + value.key;
        report.check(writeValue(HKEY_LOCAL_MACHINE, keyPath, KEY_WOW64_64KEY, value.name, value.type, value.data),
                     "write 64-bit " + TestReport::utf8(value.key) + " " + TestReport::utf8(value.name));
    }
}

struct TextCase
{
    std::wstring keyPath;
    std::wstring name;
    std::optional<std::wstring> expected;
};

std::vector<TextCase> textCases()
{
    const std::wstring package = Wow + L"\\Package";
    return {
        // Both views, each by its own path.
        {package, L"View", L"32"},
        {Native + L"\\Package", L"View", L"64"},
        // Hive spellings, letter case and a trailing backslash.
        {L"HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ZYM_TEST\\Package", L"View", L"32"},
        {L"hklm\\software\\wow6432node\\zym_test\\package", L"View", L"32"},
        // What the installer reads.
        {package, L"InstallationPath", L"C:\\Program Files (x86)\\ZYM\\"},
        {package, L"DeployedFeatures", L"PCI,GPIO2,SMBUS,CIR"},
        {Wow + L"\\Products\\ZYM_PCI", L"prdtcmd", L"/SETPCI"},
        {Wow + L"\\Products\\ZYM_PCI", L"ProductVersion", L"2.1.0.3"},
        {Wow + L"\\Products\\ZYM_Docs", L"prdtcmd", std::nullopt},
        // Empty is not absent.
        {package, L"Empty", L""},
        {Native + L"\\Odd", L"EmptyNoTerminator", L""},
        {package, L"Missing", std::nullopt},
        {Wow + L"\\Missing", L"View", std::nullopt},
        {L"SOFTWARE\\WOW6432Node\\ZYM_TEST\\Package", L"View", std::nullopt},
        // Types.
        {Native + L"\\Odd", L"EmbeddedNul", L"abc"},
        {package, L"Expand", L"%ProgramFiles%\\ZYM"},
        {package, L"Multi", L"one\ntwo"},
        {package, L"Answer", L"42"},
        {package, L"Blob", L"00ab10"},
        {package, L"Unicode", Unicode},
        {package, QuotedName, L"C:\\\"quoted\"\\path"},
        {package, L"", L"default text"},
    };
}

void checkReads(TestReport &report)
{
    for (const TextCase &c : textCases()) {
        const std::optional<std::wstring> text = Win32Registry::readText(c.keyPath, c.name);
        report.check(text == c.expected, "readText " + TestReport::utf8(c.keyPath) + " " + TestReport::utf8(c.name) + ": "
                                             + show(text) + ", expected " + show(c.expected));
    }
}

// Fields are tab-separated; '%', tab, line feed and carriage return inside
// them are percent-encoded.
std::string field(const std::wstring &text)
{
    std::string encoded;
    for (const char c : TestReport::utf8(text)) {
        switch (c) {
        case '%': encoded += "%25"; break;
        case '\t': encoded += "%09"; break;
        case '\n': encoded += "%0A"; break;
        case '\r': encoded += "%0D"; break;
        default: encoded.push_back(c);
        }
    }
    return encoded;
}

void writeRecord(std::FILE *file, const std::vector<std::string> &fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        std::fprintf(file, i == 0 ? "%s" : "\t%s", fields[i].c_str());
    std::fputc('\n', file);
}

void writeWalk(std::FILE *file, const std::wstring &path)
{
    HKEY key = nullptr;
    if (Win32Registry::openKey(path, &key) != ERROR_SUCCESS)
        return;
    Win32Registry::KeyInfo info;
    if (Win32Registry::queryInfo(key, &info) == ERROR_SUCCESS)
        writeRecord(file, {"info", field(path), std::to_string(info.subKeyCount), std::to_string(info.valueCount),
                           std::to_string(info.maxValueDataLength)});
    for (unsigned long index = 0; index < 100; ++index) {
        std::wstring name;
        const long result = Win32Registry::enumKey(key, index, &name);
        writeRecord(file, {"enumKey", field(path), std::to_string(index), std::to_string(result), field(name)});
        if (result == ERROR_NO_MORE_ITEMS)
            break;
    }
    for (unsigned long index = 0; index < 100; ++index) {
        std::wstring name;
        const long result = Win32Registry::enumValue(key, index, &name);
        writeRecord(file, {"enumValue", field(path), std::to_string(index), std::to_string(result), field(name)});
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result == ERROR_SUCCESS) {
            Bytes data;
            const long dataResult = Win32Registry::queryValue(key, name, &data);
            writeRecord(file, {"data", field(path), field(name), std::to_string(dataResult), hex(data)});
        }
    }
    Win32Registry::closeKey(key);
}

bool insideTestTree(const std::wstring &keyPath)
{
    std::wstring upper = keyPath;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](wchar_t c) { return std::towupper(c); });
    return upper.rfind(L"HKLM\\SOFTWARE\\WOW6432NODE\\ZYM_TEST", 0) == 0
        || upper.rfind(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432NODE\\ZYM_TEST", 0) == 0;
}

// What this reader answered, for every read inside the exported tree.
bool writeExpectations(const wchar_t *fileName)
{
    std::FILE *file = _wfopen(fileName, L"wb");
    if (!file)
        return false;
    for (const TextCase &c : textCases()) {
        if (!insideTestTree(c.keyPath))
            continue;
        const std::optional<std::wstring> text = Win32Registry::readText(c.keyPath, c.name);
        if (text)
            writeRecord(file, {"text", field(c.keyPath), field(c.name), field(*text)});
        else
            writeRecord(file, {"absent", field(c.keyPath), field(c.name)});
    }
    for (const wchar_t *key : {L"", L"\\Package", L"\\Products", L"\\Products\\ZYM_PCI", L"\\Products\\ZYM_Docs"})
        writeWalk(file, Wow + key);
    return std::fclose(file) == 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    TestReport report;
    writeTree(report);
    checkReads(report);
    if (argc > 1)
        report.check(writeExpectations(argv[1]), "write the expectations file");
    return report.finish();
}
