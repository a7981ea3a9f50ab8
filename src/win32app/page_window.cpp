#include "win32app/page_window.h"

#include "win32app/app_look.h"
#include "win32app/boundary_guard.h"
#include "win32app/checked_window.h"

namespace tallies {
namespace {

LRESULT HandlePage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(page, &client);
      const auto background = static_cast<Background>(GetWindowLongPtrW(page, GWLP_USERDATA));
      FillRect(reinterpret_cast<HDC>(wParam), &client, AppLook::BackgroundBrush(background));
      return 1;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return SendMessageW(GetAncestor(page, GA_ROOT), message, wParam, lParam);
  }
  return DefWindowProcW(page, message, wParam, lParam);
}

LRESULT CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardBoundary(page, message, [&] { return HandlePage(page, message, wParam, lParam); });
}

}  // namespace

void RegisterPageClass(HINSTANCE instance) {
  RegisterClassChecked(instance, kPageClassName, &PageProc);
}

HWND CreatePage(HWND tabSet, Background background, HINSTANCE instance) {
  HWND page =
      CreateWindowChecked(WS_EX_CONTROLPARENT, kPageClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0,
                          0, 0, 0, tabSet, nullptr, instance, nullptr);
  SetWindowLongPtrW(page, GWLP_USERDATA, static_cast<LONG_PTR>(background));
  return page;
}

}  // namespace tallies
