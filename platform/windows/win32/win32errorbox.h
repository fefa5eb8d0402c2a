#pragma once

#include <string>

// The system's own message box: it needs no widget library in the process.
class Win32ErrorBox
{
public:
    // A critical box with a single OK button and no owner window; returns once it is dismissed.
    static void show(const std::wstring &title, const std::wstring &text);
};
