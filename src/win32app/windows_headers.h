#pragma once

// The Windows headers of the window layer, wide calls by default. windows.h maps MessageBox and
// FindExecutable to their narrow or wide variants, which would also rename the platform
// interfaces' classes and methods of those names; the platform layer's header takes them out.
#include "platform/win32/windows_api.h"
// clang-format off
#include <commctrl.h>
#include <windowsx.h>
// clang-format on

#undef MessageBox
