#include "app/installerapp.h"
#include "app/productionplatform.h"

int main(int argc, char *argv[])
{
    const ProductionPlatform platform;
    return InstallerApp::run(argc, argv, platform.seams());
}
