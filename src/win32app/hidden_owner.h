#pragma once

#include "win32app/windows_headers.h"

namespace tallies {

// A top-level window that is never shown, made to own the About box. Windows gives a taskbar
// button to a visible window that has no owner (or has WS_EX_APPWINDOW); owned by this window,
// the box has none, yet stays a window of its own: the owner is none of the program's visible
// windows, so the box neither follows the main window nor closes with it.
class HiddenOwner {
 public:
  static constexpr wchar_t kClassName[] = L"TalliesHiddenOwner";

  static void RegisterClass(HINSTANCE instance);
  // The window, made on first use and kept until the program ends (an owner's destruction would
  // take the box with it); nullptr should Windows refuse to make it.
  static HWND Window(HINSTANCE instance);
};

}  // namespace tallies
