#pragma once

#include <string>
#include <vector>

// Whether a program may be started by an elevated process: neither the program nor any folder
// on its path may let anyone but Administrators, SYSTEM and TrustedInstaller write, own or
// re-permission it, nor be a link (junction, symbolic link, mount point) to somewhere else. (A
// folder a setup makes below C:\ inherits Modify for Authenticated Users, so a standard user
// could replace the program, or put a DLL beside it, for an administrator to run.)
class Win32ProgramTrust
{
public:
    // One access-control entry, as read from a security descriptor.
    struct Entry
    {
        std::wstring sid; // "S-1-5-32-544"
        unsigned long mask;
        unsigned char type; // ACCESS_ALLOWED_ACE_TYPE, ACCESS_DENIED_ACE_TYPE, ...
        bool inheritOnly;   // applies to what is created below, not to the object
    };

    // The handles through which a program and its folders were checked, open until destroyed:
    // the program cannot be written, replaced, renamed or deleted meanwhile, nor its folders
    // renamed or deleted.
    class Hold
    {
    public:
        Hold() = default;
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;
        ~Hold();
        std::vector<void *> handles;
    };

    // Empty when the program at `path` (a full path) may be started; otherwise why not. `hold`
    // receives the handles the check went through; keep it until the program has started.
    static std::wstring refusal(const std::wstring &path, Hold *hold);

    // Who, other than the trusted, could change an object with this owner and entries (empty:
    // nobody). A drive's root counts only for the rights over what is below it: any user may
    // make folders in C:\ without being able to touch those already there. An entry that allows
    // in a way not weighed here (with a condition, for some object types only) counts as
    // allowing everything.
    static std::wstring untrustedWriter(const std::wstring &owner, bool hasDacl, const std::vector<Entry> &entries,
                                        bool driveRoot);
};
