#pragma once

// The Win32 API as every file here takes it: no min/max macros to break std::min and
// std::numeric_limits, and only the core of windows.h; what a file needs beyond it, it includes.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
