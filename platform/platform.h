#pragma once

class ArgumentSource;
class Environment;
class ProcessLauncher;
class Registry;
class Shutdown;
class SystemInfo;
class UrlOpener;

// The operating-system seams the backend objects use. Production wires them
// once at start-up; tests hand in their own. None is owned here.
struct Platform
{
    Registry *registry = nullptr;
    ProcessLauncher *launcher = nullptr;
    Shutdown *shutdown = nullptr;
    Environment *environment = nullptr;
    SystemInfo *systemInfo = nullptr;
    UrlOpener *urlOpener = nullptr;
    ArgumentSource *arguments = nullptr;
};
