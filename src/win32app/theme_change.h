#pragma once

#include <functional>
#include <optional>

#include "win32app/app_look.h"
#include "win32app/windows_headers.h"

namespace tallies {

// A change of the desktop's colours or settings (WM_SYSCOLORCHANGE, WM_SETTINGCHANGE) reaches
// the top-level windows only: it is passed on to every control, as the common controls ask, and
// the whole window is drawn again, with brushes made for the new colours (AppLook's brushes
// follow the colours they are asked for).
void RepaintForNewColours(HWND top, UINT message, WPARAM wParam, LPARAM lParam);

// What every top-level window of the program answers alike: its background painted in the
// colour as it is now; a move to a monitor of another DPI, and new metrics of the desktop (a new
// message font), with the window placed anew by `place` at that DPI; new colours. Nothing for
// any other message.
std::optional<LRESULT> HandleLookMessage(HWND top, UINT message, WPARAM wParam, LPARAM lParam,
                                         Background background, const AppLook* look,
                                         const std::function<void(int dpi)>& place);

}  // namespace tallies
