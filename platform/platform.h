#pragma once

class ArgumentSource;
class Environment;
class ProcessLauncher;
class ProgramTrust;
class Registry;
class Shutdown;
class SystemInfo;
class UrlOpener;

// The operating-system seams the backend objects use. Production wires them
// once at start-up; tests hand in their own. None is owned here. Every seam is
// a parameter of its own type, so one left out or two swapped do not compile;
// a test may point one at a stand-in afterwards.
struct Platform
{
    Platform(Registry &registry, ProcessLauncher &launcher, Shutdown &shutdown, Environment &environment,
             SystemInfo &systemInfo, UrlOpener &urlOpener, ArgumentSource &arguments, ProgramTrust &programTrust)
        : registry(&registry)
        , launcher(&launcher)
        , shutdown(&shutdown)
        , environment(&environment)
        , systemInfo(&systemInfo)
        , urlOpener(&urlOpener)
        , arguments(&arguments)
        , programTrust(&programTrust)
    {
    }

    Registry *registry;
    ProcessLauncher *launcher;
    Shutdown *shutdown;
    Environment *environment;
    SystemInfo *systemInfo;
    UrlOpener *urlOpener;
    ArgumentSource *arguments;
    ProgramTrust *programTrust;
};
