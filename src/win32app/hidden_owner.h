#pragma once

#include "win32app/windows_headers.h"

namespace tallies {

// A top-level window that is never shown, made to own the About box. Windows gives a taskbar
// button to a visible window that has no owner (or has WS_EX_APPWINDOW); owned by this window,
// the box has none, yet stays a window of its own: the owner is none of the program's visible
// windows, so the box neither follows the main window nor closes with it. The application keeps
// it until the program ends (an owner's destruction would take the box with it).
class HiddenOwner {
 public:
  static constexpr wchar_t kClassName[] = L"TalliesHiddenOwner";

  static void RegisterClass(HINSTANCE instance);

  explicit HiddenOwner(HINSTANCE instance) : m_instance(instance) {}
  ~HiddenOwner();
  HiddenOwner(const HiddenOwner&) = delete;
  HiddenOwner& operator=(const HiddenOwner&) = delete;

  // The window, made on first use (WindowCreationFailed should Windows refuse it).
  HWND Window();

 private:
  HINSTANCE m_instance;
  HWND m_window = nullptr;
};

}  // namespace tallies
