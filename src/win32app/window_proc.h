#pragma once

#include "win32app/boundary_guard.h"
#include "win32app/windows_headers.h"

namespace tallies {

// The window procedure of a window class whose windows each belong to one C++ object: the
// object comes in with CreateWindowExW's creation parameter, keeps its window handle in
// m_window, and handles every message from then on in Handle(). Messages that arrive before
// WM_NCCREATE get the default treatment. Nothing Handle() throws gets past the guard.
template <typename Owner>
LRESULT CALLBACK ForwardToOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardBoundary(window, message, [&]() -> LRESULT {
    if (message == WM_NCCREATE) {
      auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      owner->m_window = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!owner) return DefWindowProcW(window, message, wParam, lParam);
    return owner->Handle(message, wParam, lParam);
  });
}

// Takes an owner's window away without a word to the owner (a failed start, the end): its last
// messages get the default treatment. The handle is forgotten.
inline void DestroyDetached(HWND& window) {
  if (!window) return;
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
  window = nullptr;
}

}  // namespace tallies
