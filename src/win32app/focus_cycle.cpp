#include "win32app/focus_cycle.h"

#include <optional>

#include "win32app/core/focus_order.h"

namespace tallies {
namespace {

bool IsUnselectedOption(HWND window) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (lstrcmpiW(className, WC_BUTTONW) != 0) return false;
  const auto type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
  return (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON) &&
         SendMessageW(window, BM_GETCHECK, 0, 0) != BST_CHECKED;
}

}  // namespace

bool FocusCycle::HandleTabKey(HWND root, const MSG& message) const {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  if (message.hwnd != root && !IsChild(root, message.hwnd)) return false;
  // Ctrl+Tab and Alt+Tab belong to others.
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;

  // The focus may be on a part of a control (the text part of a list): find the control.
  std::optional<std::size_t> current;
  for (HWND focus = GetFocus(); focus && focus != root && !current; focus = GetParent(focus)) {
    for (std::size_t i = 0; i < m_order.size(); ++i) {
      if (m_order[i] == focus) current = i;
    }
  }
  const bool backwards = GetKeyState(VK_SHIFT) < 0;
  const auto next = NextInFocusOrder(m_order.size(), current, backwards, [this](std::size_t i) {
    HWND candidate = m_order[i];
    return IsWindowVisible(candidate) && IsWindowEnabled(candidate) &&
           !IsUnselectedOption(candidate);
  });
  if (next) {
    HWND target = m_order[*next];
    SetFocus(target);
    // As in a dialog, a field reached by the keyboard has its text selected.
    if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
      SendMessageW(target, EM_SETSEL, 0, -1);
    }
  }
  return true;
}

}  // namespace tallies
