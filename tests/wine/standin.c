/* Stands in for the package's setup program and for MsiExec under Wine, by its own file name.
 * Each start appends its path, its working folder and its whole command line, separated by "|", to
 * C:\standin-record.txt (UTF-8), then changes
 * the package's keys through the 32-bit registry view as the package does:
 *   setup program  SET<key>=YES in "/v..." adds <key> to DeployedFeatures, sets REBOOTSTATUS=YES;
 *                  EXTRACTONLY=1 changes nothing
 *   msiexec        REMOVE=A,B takes A and B out of DeployedFeatures, REMOVE=ALL empties it */
#include <windows.h>
#include <stdio.h>
#include <wchar.h>

static const wchar_t *const keys[] = {L"SOFTWARE\\ZYM\\ZYM_Chipset_Drivers", L"SOFTWARE\\ZYM\\ZYM_Chipset_IODrivers"};

static void setValue(const wchar_t *key, const wchar_t *name, const wchar_t *text)
{
    HKEY handle;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, NULL, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, NULL, &handle, NULL))
        ExitProcess(90);
    RegSetValueExW(handle, name, 0, REG_SZ, (const BYTE *)text, (DWORD)(wcslen(text) + 1) * sizeof(wchar_t));
    RegCloseKey(handle);
}

/* Whether the comma list holds item. */
static int listed(const wchar_t *list, const wchar_t *item, size_t length)
{
    for (const wchar_t *at = list; (at = wcsstr(at, item)); at += length)
        if ((at == list || at[-1] == L',') && (at[length] == L',' || at[length] == 0 || at[length] == L' '))
            return 1;
    return 0;
}

int wmain(void)
{
    wchar_t self[MAX_PATH], folder[MAX_PATH], features[1024] = L"", kept[1024] = L"";
    const wchar_t *line = GetCommandLineW();
    GetModuleFileNameW(NULL, self, MAX_PATH);
    GetCurrentDirectoryW(MAX_PATH, folder);
    /* UTF-8 whatever the code page: a package folder may have any name. */
    static char recorded[4 * (MAX_PATH + 32768)];
    int length = WideCharToMultiByte(CP_UTF8, 0, self, -1, recorded, sizeof recorded, NULL, NULL);
    const wchar_t *const fields[] = {folder, line};
    for (int i = 0; i < 2 && length > 0; ++i) {
        recorded[length - 1] = '|';
        length += WideCharToMultiByte(CP_UTF8, 0, fields[i], -1, recorded + length, (int)sizeof recorded - length, NULL, NULL);
    }
    FILE *record = _wfopen(L"C:\\standin-record.txt", L"ab");
    if (length > 1) {
        recorded[length - 1] = '\n';
        fwrite(recorded, 1, (size_t)length, record);
    }
    fclose(record);

    DWORD size = sizeof features;
    RegGetValueW(HKEY_LOCAL_MACHINE, keys[1], L"DeployedFeatures", RRF_RT_REG_SZ | RRF_SUBKEY_WOW6432KEY, NULL,
                 features, &size);
    const wchar_t *remove = wcsstr(line, L"REMOVE=");
    if (wcsstr(_wcslwr(self), L"msiexec") && remove) {
        remove += 7;
        size_t end = wcscspn(remove, L" \"");
        wchar_t *item, *context = NULL;
        for (item = wcstok_s(features, L",", &context); item && wcsncmp(remove, L"ALL", end); item = wcstok_s(NULL, L",", &context)) {
            if (!listed(remove, item, wcslen(item)))
                swprintf(kept + wcslen(kept), 1024 - wcslen(kept), L"%ls%ls", *kept ? L"," : L"", item);
        }
        wcscpy(features, kept);
    } else if (!wcsstr(line, L"EXTRACTONLY=1")) {
        for (const wchar_t *at = line; (at = wcsstr(at, L" SET")); at += 4) {
            wchar_t key[64] = L"";
            size_t length = wcscspn(at + 4, L"=");
            wcsncat(key, at + 4, length < 63 ? length : 63);
            if (wcsncmp(at + 4 + length, L"=YES", 4) || listed(features, key, wcslen(key)))
                continue;
            swprintf(features + wcslen(features), 1024 - wcslen(features), L"%ls%ls", *features ? L"," : L"", key);
        }
        setValue(keys[1], L"REBOOTSTATUS", L"YES");
    } else {
        return 0;
    }
    for (int i = 0; i < 2; ++i)
        setValue(keys[i], L"DeployedFeatures", features);
    return 0;
}
