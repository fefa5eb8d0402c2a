#include "backend/raidlaunchtable.h"

namespace {

enum class Condition { InstalledAndNvme, InstalledAndSata, Nvme, Sata, Installed, Always };

struct Row
{
    int number;
    bool raid;
    bool mavel;
    Condition condition;
    const char *text;
};

// Within one (raid, mavel) group the first row whose condition holds wins.
// Row 10 really carries "/qr" twice: the package has always been started so.
const Row kRows[] = {
    {1, true, true, Condition::InstalledAndNvme,
     " /i C:\\ZYM\\ZYM_Chipset_Drivers\\ZYM_Chipset_Drivers.msi QTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES SET_RAIDNVME=YES ADDLOCAL=ZYM_RAID,RAIDMAVEL /qr"},
    {2, true, true, Condition::InstalledAndSata,
     " /i C:\\ZYM\\ZYM_Chipset_Drivers\\ZYM_Chipset_Drivers.msi QTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES SET_RAIDSATA=YES ADDLOCAL=ZYM_RAID,RAIDMAVEL /qr"},
    {3, true, true, Condition::Nvme,
     " /i C:\\ZYM\\ZYM_Chipset_Drivers\\ZYM_Chipset_Drivers.msi QTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES SET_RAIDNVME=YES /qr"},
    {4, true, true, Condition::Sata,
     " /i C:\\ZYM\\ZYM_Chipset_Drivers\\ZYM_Chipset_Drivers.msi QTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES SET_RAIDSATA=YES /qr"},
    {5, true, true, Condition::Always,
     " /i C:\\ZYM\\ZYM_Chipset_Drivers\\ZYM_Chipset_Drivers.msi QTLAUNCH=1 SETZYM_RAID=YES SETRAIDMAVEL=YES /qr"},
    {6, true, false, Condition::InstalledAndNvme,
     " /i C:\\ZYM\\ZYM_Chipset_Drivers\\ZYM_Chipset_Drivers.msi QTLAUNCH=1 SETZYM_RAID=YES SET_RAIDNVME=YES ADDLOCAL=ZYM_RAID /qr"},
    {7, true, false, Condition::Nvme,
     " /i C:\\ZYM\\ZYM_Chipset_Drivers\\ZYM_Chipset_Drivers.msi QTLAUNCH=1 SETZYM_RAID=YES SET_RAIDNVME=YES /qr"},
    {8, true, false, Condition::InstalledAndSata,
     " /i C:\\ZYM\\ZYM_Chipset_Drivers\\ZYM_Chipset_Drivers.msi QTLAUNCH=1 SETZYM_RAID=YES SET_RAIDSATA=YES ADDLOCAL=ZYM_RAID /qr"},
    {9, true, false, Condition::Sata,
     " /i C:\\ZYM\\ZYM_Chipset_Drivers\\ZYM_Chipset_Drivers.msi QTLAUNCH=1 SETZYM_RAID=YES SET_RAIDSATA=YES /qr"},
    {10, true, false, Condition::Always,
     " /i C:\\ZYM\\ZYM_Chipset_Drivers\\ZYM_Chipset_Drivers.msi QTLAUNCH=1 SETZYM_RAID=YES /qr /qr"},
    {11, false, true, Condition::Installed,
     " /i C:\\ZYM\\ZYM_Chipset_Drivers\\ZYM_Chipset_Drivers.msi QTLAUNCH=1 SETRAIDMAVEL=YES ADDLOCAL=RAIDMAVEL /qr"},
    {12, false, true, Condition::Always,
     " /i C:\\ZYM\\ZYM_Chipset_Drivers\\ZYM_Chipset_Drivers.msi QTLAUNCH=1 SETRAIDMAVEL=YES /qr"},
    {13, false, false, Condition::Always, ""},
};

bool holds(Condition condition, const RaidLaunchTable::Choice &c)
{
    switch (condition) {
    case Condition::InstalledAndNvme: return c.installed && c.nvme;
    case Condition::InstalledAndSata: return c.installed && c.sata;
    case Condition::Nvme: return c.nvme;
    case Condition::Sata: return c.sata;
    case Condition::Installed: return c.installed;
    case Condition::Always: return true;
    }
    return false;
}

const Row &find(const RaidLaunchTable::Choice &choice)
{
    for (const Row &row : kRows) {
        if (row.raid == choice.raidSelected && row.mavel == choice.mavelSelected && holds(row.condition, choice))
            return row;
    }
    return kRows[12]; // every group ends in an always-row, so this is not reached
}

} // namespace

int RaidLaunchTable::row(const Choice &choice)
{
    return find(choice).number;
}

QString RaidLaunchTable::text(const Choice &choice)
{
    return QString::fromLatin1(find(choice).text);
}
