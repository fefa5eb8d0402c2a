#include "platform/windows/win32/win32shellopener.h"

#include "platform/windows/win32/win32systemfolder.h"

#include "platform/windows/win32/win32api.h"

#include <exdisp.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include <vector>

namespace {

// Owns one COM reference.
template <typename T>
class Com
{
public:
    Com() = default;
    Com(const Com &) = delete;
    Com &operator=(const Com &) = delete;
    ~Com()
    {
        if (m_pointer)
            m_pointer->Release();
    }
    T *operator->() const { return m_pointer; }
    T *get() const { return m_pointer; }
    void **out() { return reinterpret_cast<void **>(&m_pointer); }
    T **address() { return &m_pointer; }

private:
    T *m_pointer = nullptr;
};

// The shell's dispatch object of the desktop window's view, which runs in Explorer: what it
// starts runs with Explorer's token, not with ours.
bool desktopShell(Com<IShellDispatch2> *shell)
{
    Com<IShellWindows> windows;
    if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows, windows.out())))
        return false;
    VARIANT location, root;
    VariantInit(&location);
    VariantInit(&root);
    location.vt = VT_I4;
    location.lVal = CSIDL_DESKTOP;
    LONG window = 0;
    Com<IDispatch> desktop;
    if (windows->FindWindowSW(&location, &root, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, desktop.address()) != S_OK
        || !desktop.get())
        return false;
    Com<IServiceProvider> services;
    Com<IShellBrowser> browser;
    Com<IShellView> view;
    Com<IDispatch> background;
    Com<IShellFolderViewDual> folderView;
    Com<IDispatch> application;
    return SUCCEEDED(desktop->QueryInterface(IID_IServiceProvider, services.out()))
        && SUCCEEDED(services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.out()))
        && SUCCEEDED(browser->QueryActiveShellView(view.address()))
        && SUCCEEDED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.out()))
        && SUCCEEDED(background->QueryInterface(IID_IShellFolderViewDual, folderView.out()))
        && SUCCEEDED(folderView->get_Application(application.address()))
        && SUCCEEDED(application->QueryInterface(IID_IShellDispatch2, reinterpret_cast<void **>(shell->address())));
}

} // namespace

bool Win32ShellOpener::openThroughShell(const std::wstring &target)
{
    // The GUI thread is normally in a single-threaded apartment already; then this only counts.
    const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool opened = false;
    {
        Com<IShellDispatch2> shell;
        if (desktopShell(&shell)) {
            BSTR file = SysAllocString(target.c_str());
            VARIANT empty, show;
            VariantInit(&empty);
            VariantInit(&show);
            show.vt = VT_I4;
            show.lVal = SW_SHOWNORMAL;
            // No verb, no folder: the default action, as a double click in Explorer.
            opened = file && SUCCEEDED(shell->ShellExecute(file, empty, empty, empty, show));
            SysFreeString(file);
        }
    }
    if (SUCCEEDED(initialised))
        CoUninitialize();
    return opened;
}

bool Win32ShellOpener::openInNotepad(const std::wstring &file)
{
    const std::wstring program = Win32SystemFolder::toolPath(L"notepad");
    if (program.empty())
        return false;
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    std::wstring line = L"\"" + program + L"\" \"" + file + L"\"";
    std::vector<wchar_t> commandLine(line.begin(), line.end());
    commandLine.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
