// Linked with the installer's compiled resource script, this program reads
// the icon, the manifest and the version information back from itself.
#include "testreport.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string resourceText(const wchar_t *name, const wchar_t *type)
{
    HRSRC resource = FindResourceW(nullptr, name, type);
    HGLOBAL loaded = resource ? LoadResource(nullptr, resource) : nullptr;
    const void *data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return std::string();
    return std::string(static_cast<const char *>(data), SizeofResource(nullptr, resource));
}

std::wstring versionString(const std::vector<unsigned char> &info, const wchar_t *name)
{
    void *text = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
    if (!VerQueryValueW(info.data(), path.c_str(), &text, &length) || length == 0)
        return std::wstring();
    return std::wstring(static_cast<const wchar_t *>(text), length - 1);
}

} // namespace

int wmain()
{
    TestReport report;

    report.check(FindResourceW(nullptr, L"IDI_ICON1", MAKEINTRESOURCEW(14)) != nullptr, "icon group IDI_ICON1");

    const std::string manifest = resourceText(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    report.check(manifest.find("level=\"requireAdministrator\"") != std::string::npos,
                 "the manifest asks for administrator rights");
    report.check(manifest.find("uiAccess=\"false\"") != std::string::npos, "the manifest asks for no UI access");

    std::vector<wchar_t> path(MAX_PATH * 4);
    GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::vector<unsigned char> info(GetFileVersionInfoSizeW(path.data(), nullptr));
    if (!report.check(!info.empty()
                          && GetFileVersionInfoW(path.data(), 0, static_cast<DWORD>(info.size()), info.data()),
                      "version information"))
        return report.finish();

    void *fixed = nullptr;
    UINT fixedLength = 0;
    if (report.check(VerQueryValueW(info.data(), L"\\", &fixed, &fixedLength) && fixedLength >= sizeof(VS_FIXEDFILEINFO),
                     "fixed version information")) {
        const auto *version = static_cast<const VS_FIXEDFILEINFO *>(fixed);
        report.check(version->dwFileVersionMS == 0x00010000 && version->dwFileVersionLS == 0, "file version 1.0.0.0");
        report.check(version->dwProductVersionMS == 0x00010000 && version->dwProductVersionLS == 0,
                     "product version 1.0.0.0");
        report.check(version->dwFileType == VFT_APP, "an application");
    }

    struct Entry
    {
        const wchar_t *name;
        const wchar_t *expected;
    };
    const Entry entries[] = {
        {L"CompanyName", L"ZYM"},
        {L"ProductName", L"ZYM Chipset Driver Installer"},
        {L"ProductVersion", L"1.0.0.0"},
        {L"FileVersion", L"1.0.0.0"},
    };
    for (const Entry &entry : entries) {
        const std::wstring text = versionString(info, entry.name);
        report.check(text == entry.expected,
                     TestReport::utf8(entry.name) + " is \"" + TestReport::utf8(text) + "\"");
    }
    return report.finish();
}
