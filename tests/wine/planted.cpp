// Planted where an elevated front-end might look for plugins: a DLL that Qt's loader takes for the
// Windows platform plugin (its metadata say so), and whose loading writes C:\planted-marker.txt.
#include <QObject>

#include <windows.h>

class Planted : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface.5.3" FILE "planted.json")
};

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        const HANDLE marker = CreateFileW(L"C:\\planted-marker.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (marker != INVALID_HANDLE_VALUE)
            CloseHandle(marker);
    }
    return TRUE;
}

#include "planted.moc"
