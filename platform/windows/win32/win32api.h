#pragma once

// The Win32 API as every file of this layer takes it: without the min and max macros, which break
// the standard library's, and without the parts of windows.h nothing here uses.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
