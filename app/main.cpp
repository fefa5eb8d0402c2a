#include "app/installerapp.h"
#include "app/productionplatform.h"

#if defined(Q_OS_WIN)
#include "platform/windows/win32/win32loadpolicy.h"

#include <QCoreApplication>
#include <QDir>
#endif

int main(int argc, char *argv[])
{
#if defined(Q_OS_WIN)
    // Plugins from the front-end's own folder only, where the package deploys them; not from the
    // folder Qt was built in nor from one the environment names.
    QCoreApplication::setLibraryPaths({QDir::fromNativeSeparators(QString::fromStdWString(Win32LoadPolicy::restrict()))});
#endif
    const ProductionPlatform platform(argc, argv);
    return InstallerApp::run(argv[0], platform.seams());
}
