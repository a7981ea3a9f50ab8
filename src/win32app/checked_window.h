#pragma once

#include <stdexcept>
#include <string>

#include "win32app/windows_headers.h"

namespace tallies {

// The program's exit code when it has to end because of a failure (a window Windows would not
// make, an exception that reached the program's entry).
inline constexpr int kFailureExitCode = 1;

// Windows refused to register a window class or to make a window; the program cannot go on
// without it. Carries the class's name and the system's error.
class WindowCreationFailed : public std::runtime_error {
 public:
  WindowCreationFailed(std::string windowClass, DWORD error);

  const std::string& WindowClass() const { return m_class; }
  DWORD Error() const { return m_error; }
  // The system's description of the error.
  std::string Reason() const;

 private:
  std::string m_class;
  DWORD m_error;
};

// CreateWindowExW, checked: the window, or WindowCreationFailed. A test run may have a given
// creation refused (TestHooks::RefuseCreation), as Windows refuses one when it runs out of
// window resources.
HWND CreateWindowChecked(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                         int x, int y, int width, int height, HWND parent, HMENU menu,
                         HINSTANCE instance, void* parameter);

// A window class of the program registered, or WindowCreationFailed. Its windows have the arrow
// cursor and, `withIcon`, the program's icon, the small one drawn at its own size. No class has
// a brush: each window paints its background with the colour as it is now, which a class brush
// would outlive when the desktop's colours change.
void RegisterClassChecked(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                          bool withIcon = false);

}  // namespace tallies
