#pragma once

#include <string>

// The Windows system folder, where the system's own tools live.
class Win32SystemFolder
{
public:
    // The full path of the tool `name` ("tasklist" or "TASKLIST.exe") in the system folder, with
    // ".exe" added when the name has no extension. A program started by this path is never looked
    // for in the front-end's folder, the current folder or PATH, where anyone could have put one.
    // Empty when the name is a path of its own or the system folder cannot be read.
    static std::wstring toolPath(const std::wstring &name);
};
