#pragma once
// <windows.h> for the code that calls the Windows API, without the min and max
// macros that break the standard library and without its rarely used parts.
#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif
