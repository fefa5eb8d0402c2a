#pragma once

#include <string>

// Where an elevated front-end takes code from: its own folder and the system folder, nothing
// that the user who started it could have named. Called first thing, before Qt loads a plugin.
class Win32LoadPolicy
{
public:
    // Restricts the DLL search of this process to its own and the system folder and removes
    // the environment variables through which Qt would load plugins, QML or compiled QML from
    // elsewhere (an elevated process inherits the user's environment). Answers the folder of
    // the executable, empty if Windows could not say.
    static std::wstring restrict();
};
