#pragma once

#include <string>

// Where an elevated front-end takes code from: its own folder and the system folder, nothing
// that the user who started it could have named. Called first thing, before Qt loads a plugin.
class Win32LoadPolicy
{
public:
    // Restricts the DLL search of this process to its own and the system folder, and removes
    // every variable through which Qt or its QML engine would take orders (plugin and QML
    // folders, a platform, a renderer, an OpenGL library, file access from QML, ...): all whose
    // names begin with one of Qt's prefixes, none kept, since an elevated process inherits the
    // user's environment. Compiled QML comes from the executable: the cache under the user's
    // profile is switched off. Answers the folder of the executable, empty if Windows could not
    // say.
    static std::wstring restrict();
};
