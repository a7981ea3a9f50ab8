#pragma once

#include "win32app/windows_headers.h"

namespace tallies {

// A change of the desktop's colours or settings (WM_SYSCOLORCHANGE, WM_SETTINGCHANGE) reaches
// the top-level windows only: it is passed on to every control, as the common controls ask, and
// the whole window is drawn again, with brushes made for the new colours (AppLook's brushes
// follow the colours they are asked for).
void RepaintForNewColours(HWND top, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tallies
