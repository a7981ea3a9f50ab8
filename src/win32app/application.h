#pragma once

#include <memory>

#include "platform/win32/win32_settings_store.h"
#include "win32app/about_box.h"
#include "win32app/hidden_owner.h"
#include "win32app/main_window.h"
#include "win32app/window_host.h"
#include "win32app/windows_headers.h"

namespace tallies {

// The program's windows and its message loop. The application owns the main window, the one
// About box (while it is open) and the hidden window that owns the box; the program ends when
// the last of its visible windows closes. A window that closes is let go only once its last
// message is handled, never from inside its own window procedure.
class Application : public WindowHost {
 public:
  // Registers the window classes (WindowCreationFailed should Windows refuse one).
  explicit Application(HINSTANCE instance);
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Builds and shows the main window (WindowCreationFailed should Windows refuse it or any
  // control on it), then runs the message loop until the program ends. Returns the exit code.
  int Run(int showCommand);

  // WindowHost
  void ShowAbout() override;
  void WindowClosed() override;

 private:
  // The windows' keyboard handling; true when it took the message.
  bool HandleKeyboard(MSG& message);
  // Lets go of the About box's object once its window is gone.
  void ForgetClosedAbout();
  bool AnyWindowOpen() const;

  HINSTANCE m_instance;
  // Declared first so that it goes last: destroying it would take the About box with it.
  HiddenOwner m_hiddenOwner;
  // The user's settings in the registry; the main window keeps its units choice there.
  Win32SettingsStore m_settings;
  std::unique_ptr<MainWindow> m_main;
  std::unique_ptr<AboutBox> m_about;
};

}  // namespace tallies
