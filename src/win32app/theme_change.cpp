#include "win32app/theme_change.h"

#include "win32app/system_dpi.h"

namespace tallies {
namespace {

struct Change {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

BOOL CALLBACK PassOn(HWND child, LPARAM param) {
  const auto* change = reinterpret_cast<const Change*>(param);
  SendMessageW(child, change->message, change->wParam, change->lParam);
  return TRUE;
}

}  // namespace

void RepaintForNewColours(HWND top, UINT message, WPARAM wParam, LPARAM lParam) {
  Change change{message, wParam, lParam};
  EnumChildWindows(top, &PassOn, reinterpret_cast<LPARAM>(&change));
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

std::optional<LRESULT> HandleLookMessage(HWND top, UINT message, WPARAM wParam, LPARAM lParam,
                                         Background background, const AppLook* look,
                                         const std::function<void(int dpi)>& place) {
  switch (message) {
    case WM_DPICHANGED:
      SystemDpi::MoveToSuggestedRect(top, lParam);
      place(HIWORD(wParam));
      return 0;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(top, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, AppLook::BackgroundBrush(background));
      return 1;
    }
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETNONCLIENTMETRICS && look) place(look->Dpi());
      [[fallthrough]];
    case WM_SYSCOLORCHANGE:
      RepaintForNewColours(top, message, wParam, lParam);
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace tallies
