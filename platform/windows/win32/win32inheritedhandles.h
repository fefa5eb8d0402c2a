#pragma once

#include <vector>

// What a started program inherits: its three standard handles and nothing else, where a plain
// CreateProcessW with handle inheritance would hand it every inheritable handle of the process.
class Win32InheritedHandles
{
public:
    Win32InheritedHandles() = default;
    Win32InheritedHandles(const Win32InheritedHandles &) = delete;
    Win32InheritedHandles &operator=(const Win32InheritedHandles &) = delete;
    ~Win32InheritedHandles();

    // Rewrites the arguments of a CreateProcessW call right before it: `startupInfo` (a
    // STARTUPINFOW *) then points at an extended copy held here, which must outlive the call.
    void limitToStandardHandles(void **startupInfo, unsigned long *flags, bool *inheritHandles);

private:
    void release();

    std::vector<unsigned char> m_startup;    // STARTUPINFOEXW
    std::vector<unsigned char> m_attributes; // its attribute list
    std::vector<void *> m_handles;
};
