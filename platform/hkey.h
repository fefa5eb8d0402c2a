#pragma once

// The registry-key handle type of the two open-key slots. This is exactly how
// <windows.h> declares it, so the Windows build sees the real handle type; on
// other platforms the simulated registry defines the struct as its own key.
struct HKEY__;
typedef HKEY__ *HKEY;
