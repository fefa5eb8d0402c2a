#pragma once

#include "app/installerapp.h"

#include <memory>

class ArgumentSource;
class Environment;
class ErrorBox;
class InstanceLock;
class ProcessLauncher;
class ProgramTrust;
class Registry;
class Shutdown;
class SystemInfo;
class UrlOpener;

// The one place where the production seams are chosen: the real system on
// Windows, the simulated one (registry file, drive folder) elsewhere.
class ProductionPlatform final
{
public:
    // The front-end's arguments are read here, once: on Windows from the process's own command
    // line, elsewhere from `argv`.
    ProductionPlatform(int argc, char **argv);
    ~ProductionPlatform();
    Q_DISABLE_COPY_MOVE(ProductionPlatform)

    InstallerApp::Seams seams() const;

private:
    std::unique_ptr<Registry> m_registry;
    std::unique_ptr<ProcessLauncher> m_launcher;
    std::unique_ptr<Shutdown> m_shutdown;
    std::unique_ptr<Environment> m_environment;
    std::unique_ptr<SystemInfo> m_systemInfo;
    std::unique_ptr<UrlOpener> m_urlOpener;
    std::unique_ptr<ArgumentSource> m_arguments;
    std::unique_ptr<ProgramTrust> m_programTrust;
    std::unique_ptr<InstanceLock> m_instanceLock;
    std::unique_ptr<ErrorBox> m_errorBox;
};
