// Linked with the installer's compiled resource script, this program reads
// the icon, the manifest and the version information back from itself.
//   resourcetest.exe VERSION COPYRIGHT: the four-part version and the copyright
//   line the build generated the script with.
#include "testreport.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cwchar>
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

int wmain(int argc, wchar_t **argv)
{
    TestReport report;
    unsigned parts[4] = {};
    wchar_t end = 0;
    if (!report.check(argc == 3 && swscanf(argv[1], L"%u.%u.%u.%u%lc", &parts[0], &parts[1], &parts[2], &parts[3], &end) == 4,
                      "arguments: VERSION (a.b.c.d) COPYRIGHT"))
        return report.finish();
    const std::wstring version = argv[1];

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
        const auto *fixedVersion = static_cast<const VS_FIXEDFILEINFO *>(fixed);
        const DWORD high = parts[0] << 16 | parts[1];
        const DWORD low = parts[2] << 16 | parts[3];
        const std::string expected = TestReport::utf8(version);
        report.check(fixedVersion->dwFileVersionMS == high && fixedVersion->dwFileVersionLS == low,
                     "file version " + expected);
        report.check(fixedVersion->dwProductVersionMS == high && fixedVersion->dwProductVersionLS == low,
                     "product version " + expected);
        report.check(fixedVersion->dwFileType == VFT_APP, "an application");
    }

    struct Entry
    {
        const wchar_t *name;
        std::wstring expected;
    };
    const Entry entries[] = {
        {L"CompanyName", L"ZYM"},
        {L"ProductName", L"ZYM Chipset Driver Installer"},
        {L"ProductVersion", version},
        {L"FileVersion", version},
        {L"LegalCopyright", argv[2]},
    };
    for (const Entry &entry : entries) {
        const std::wstring text = versionString(info, entry.name);
        report.check(text == entry.expected,
                     TestReport::utf8(entry.name) + " is \"" + TestReport::utf8(text) + "\"");
    }
    return report.finish();
}
