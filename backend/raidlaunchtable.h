#pragma once

#include <QString>

// The Windows Installer command texts for the RAID components, chosen by the
// selection (RAID driver, management utility), the RAID mode from the command
// line and whether the package is already installed.
class RaidLaunchTable final
{
public:
    struct Choice
    {
        bool raidSelected = false;
        bool mavelSelected = false;
        bool nvme = false;
        bool sata = false;
        bool installed = false;
    };

    // The row number (1 to 13) that the choice selects.
    static int row(const Choice &choice);
    // The text that follows the MsiExec path; empty for row 13.
    static QString text(const Choice &choice);
};
