#pragma once

#include <string>
#include <vector>

// The command line the process was started with, as Windows keeps it.
class Win32CommandLine
{
public:
    // Split as the C runtime splits it, entry 0 being the program. Read from the process's own
    // command line, not from what the runtime or Qt made of it, so that nothing removed or
    // re-encoded on the way changes what the package passed. Empty if Windows could not split it.
    static std::vector<std::wstring> arguments();
};
