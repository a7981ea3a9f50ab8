#pragma once

#include "win32app/windows_headers.h"

namespace tallies {

// The DPI calls of Windows 10 where the system has them, the system-wide figures otherwise.
class SystemDpi {
 public:
  // The dots per inch of the monitor the window is on.
  static int ForWindow(HWND window);
  // The dots per inch of the primary monitor, where new windows open.
  static int ForSystem();
  // The window rectangle around `client` for a window of these styles at `dpi`.
  static RECT WindowRectFor(RECT client, DWORD style, DWORD exStyle, int dpi);
  // Answers WM_DPICHANGED's placement: moves and sizes the window to the rectangle the system
  // suggests in the message's lParam, keeping its z-order and activation.
  static void MoveToSuggestedRect(HWND window, LPARAM suggestedRect);
};

}  // namespace tallies
