#pragma once

#include <string_view>

namespace tallies {

// A number for every named control of the main window, the About box and the History window,
// the same in every build: the Win32 front-end gives it to the control as its child-window
// identifier, and a test driver in another process finds a control by it. Main-window controls
// are numbered from kFirstMainWindowId in table order (the window's own controls, then the
// hydraulic pages, then the general pages); the About box's from kFirstAboutBoxId, the History
// window's from kFirstHistoryId.
inline constexpr int kFirstMainWindowId = 1000;
inline constexpr int kFirstAboutBoxId = 2000;
inline constexpr int kFirstHistoryId = 3000;

// The control's number, or 0 for a name that no table holds.
int ControlId(std::string_view name);
// The control's name, or an empty view for a number no control has.
std::string_view ControlName(int id);

}  // namespace tallies
