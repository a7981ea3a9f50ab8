#include "win32app/link_label.h"

#include <algorithm>
#include <string>

#include "win32app/boundary_guard.h"

namespace tallies {
namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

void LinkLabel::Attach(HWND label) { SetWindowSubclass(label, &LinkLabel::Proc, kSubclassId, 0); }

void LinkLabel::Click(HWND window) {
  SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), STN_CLICKED),
               reinterpret_cast<LPARAM>(window));
}

void LinkLabel::Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  // The parent chooses the colours, as it does for every label.
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(window), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(window)));
  FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ previous = SelectObject(dc, GetWindowFont(window));
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  SetBkMode(dc, TRANSPARENT);
  RECT extent = client;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  if (GetFocus() == window) {
    // The focus mark hugs the text, one pixel out, inside the control.
    RECT mark = {extent.left, extent.top, std::min(extent.right + 1, client.right),
                 std::min(extent.bottom + 1, client.bottom)};
    DrawFocusRect(dc, &mark);
  }
  SelectObject(dc, previous);
  EndPaint(window, &paint);
}

LRESULT CALLBACK LinkLabel::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
  return GuardBoundary(window, message, [&] { return Handle(window, message, wParam, lParam); });
}

LRESULT LinkLabel::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(window, nullptr, TRUE);
      break;
    case WM_GETDLGCODE:
      // Enter and Space are the link's own keys, not the dialog manager's.
      if (lParam) {
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_SPACE)) {
          return DLGC_WANTMESSAGE;
        }
      }
      break;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_SPACE) {
        Click(window);
        return 0;
      }
      break;
    case BM_CLICK:
      Click(window);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &LinkLabel::Proc, kSubclassId);
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace tallies
