#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "win32app/app_look.h"
#include "win32app/window_host.h"
#include "win32app/windows_headers.h"

namespace tallies {

// frmAbout on Windows: title, version, description and notice, the etched separator, "OK" (the
// default and cancel button) and "&System Info...". Modeless, owned by a hidden window only: no
// taskbar button, and it outlives the main window. The application keeps one at a time.
class AboutBox {
 public:
  // The window class, named after the window.
  static const wchar_t* ClassName();

  static void RegisterClass(HINSTANCE instance);

  // Builds the box (which loads it), not yet shown, owned by `owner`. Should Windows refuse the
  // box or a control on it, nothing is left of it and WindowCreationFailed says which.
  AboutBox(HINSTANCE instance, HWND owner, WindowHost& host);
  ~AboutBox();
  AboutBox(const AboutBox&) = delete;
  AboutBox& operator=(const AboutBox&) = delete;

  // The box's window, or none once it is closed; the message loop hands it its keyboard
  // messages.
  HWND Window() const { return m_window; }
  // Shows the box and brings it to the front.
  void Raise();

 private:
  template <typename Owner>
  friend LRESULT CALLBACK ForwardToOwner(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Build();
  // Its window and icon taken away without a word to it or to the host.
  void DestroyQuietly();
  void Form_Load();
  void Place(int dpi);
  void Paint();
  void cmdOK_Click();
  void cmdSysInfo_Click();
  HWND Control(std::string_view name) const;
  static bool IsDefault(std::string_view name);
  // The control number of the box's default button.
  static int DefaultId();

  HINSTANCE m_instance;
  WindowHost& m_host;
  HWND m_window = nullptr;
  std::unique_ptr<AppLook> m_look;
  HICON m_icon = nullptr;
  HWND m_lastFocus = nullptr;
};

}  // namespace tallies
