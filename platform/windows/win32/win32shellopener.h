#pragma once

#include <string>

// Opening files and links from an elevated process so that the program that shows them runs
// as the user, unelevated: the handler is whatever the user's own registry names, which must
// never be started with administrator rights.
class Win32ShellOpener
{
public:
    // Hands `target` (a file's full path or a web address) to the desktop's shell, which opens it
    // with the user's handler in the user's own unelevated session (the desktop window's view,
    // asked through its shell dispatch). False when there is no desktop shell to ask.
    static bool openThroughShell(const std::wstring &target);

    // Starts Notepad from the system folder, by its full path, with `file`: no handler that a
    // user's registry chooses. False when it could not be started.
    static bool openInNotepad(const std::wstring &file);
};
