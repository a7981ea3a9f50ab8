#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "win32app/app_look.h"
#include "win32app/windows_headers.h"

namespace tallies {

// frmAbout on Windows: title, version, description and notice, the etched separator, "OK" (the
// default and cancel button) and "&System Info...". Modeless, one at a time, owned by a hidden
// window only: no taskbar button, and it outlives the main window.
class AboutBox {
 public:
  // The window class, named after the window.
  static const wchar_t* ClassName();

  static void RegisterClass(HINSTANCE instance);
  // cmdAbout_Click: builds the box (which loads it) when none is open, and brings it to the
  // front.
  static void Show(HINSTANCE instance);
  // The open box's window, or none; the message loop hands it its keyboard messages.
  static HWND Current();

 private:
  explicit AboutBox(HINSTANCE instance);
  template <typename Owner>
  friend LRESULT CALLBACK ForwardToOwner(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Build();
  void Form_Load();
  void Place(int dpi);
  void Paint();
  void cmdOK_Click();
  void cmdSysInfo_Click();
  HWND Control(std::string_view name) const;
  static bool IsDefault(std::string_view name);
  // The control number of the box's default button.
  static int DefaultId();

  static AboutBox* s_current;
  HINSTANCE m_instance;
  HWND m_window = nullptr;
  std::unique_ptr<AppLook> m_look;
  HICON m_icon = nullptr;
  HWND m_lastFocus = nullptr;
};

}  // namespace tallies
