#include "win32app/hidden_owner.h"

namespace tallies {
namespace {

HWND s_window = nullptr;

LRESULT CALLBACK HiddenOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The default answer to WM_CLOSE destroys the window, and with it the About box it owns: a
  // close request from outside (a task manager, a test driver) is refused instead.
  if (message == WM_CLOSE) return 0;
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void HiddenOwner::RegisterClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &HiddenOwnerProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
}

HWND HiddenOwner::Window(HINSTANCE instance) {
  if (!s_window || !IsWindow(s_window)) {
    // No WS_VISIBLE, and nothing ever shows it. As a tool window of no size it would stay out
    // of the task bar and Alt+Tab even if something did.
    s_window = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, instance, nullptr);
  }
  return s_window;
}

}  // namespace tallies
