#include "win32app/hidden_owner.h"

#include "win32app/boundary_guard.h"
#include "win32app/checked_window.h"

namespace tallies {
namespace {

LRESULT CALLBACK HiddenOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardBoundary(window, message, [&]() -> LRESULT {
    // The default answer to WM_CLOSE destroys the window, and with it the About box it owns: a
    // close request from outside (a task manager, a test driver) is refused instead.
    if (message == WM_CLOSE) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
  });
}

}  // namespace

void HiddenOwner::RegisterClass(HINSTANCE instance) {
  RegisterClassChecked(instance, kClassName, &HiddenOwnerProc);
}

HiddenOwner::~HiddenOwner() {
  if (m_window && IsWindow(m_window)) DestroyWindow(m_window);
}

HWND HiddenOwner::Window() {
  if (!m_window || !IsWindow(m_window)) {
    // No WS_VISIBLE, and nothing ever shows it. As a tool window of no size it would stay out
    // of the task bar and Alt+Tab even if something did.
    m_window = CreateWindowChecked(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                   nullptr, m_instance, nullptr);
  }
  return m_window;
}

}  // namespace tallies
