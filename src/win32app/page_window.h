#pragma once

#include "layout/control_layout.h"
#include "win32app/windows_headers.h"

namespace tallies {

// The window class of a tab set's page: a plain container in the tab set's background colour.
// The controls on it report to their parent, so the page hands their notifications, colour
// requests and drawing requests on to the top-level window, which handles every control alike.
inline constexpr wchar_t kPageClassName[] = L"TalliesPage";

void RegisterPageClass(HINSTANCE instance);

// A page of the given background, hidden until its tab is shown (WindowCreationFailed should
// Windows refuse it).
HWND CreatePage(HWND tabSet, Background background, HINSTANCE instance);

}  // namespace tallies
