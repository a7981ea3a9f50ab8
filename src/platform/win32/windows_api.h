#pragma once

// The Windows headers the Win32 platform layer uses, without the macros that would rename this
// program's own names: windows.h maps MessageBox and FindExecutable to their narrow or wide
// variants, which would also rename the interfaces' classes and methods of the same names.
// shellapi.h needs the declarations of windows.h, so their order is kept.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#undef MessageBox
#undef FindExecutable
