#include "win32app/system_dpi.h"

namespace tallies {
namespace {

template <typename Function>
Function Lookup(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  // The cast goes through a plain function pointer type, as GetProcAddress's own type is one.
  return user32 ? reinterpret_cast<Function>(
                      reinterpret_cast<void (*)()>(GetProcAddress(user32, name)))
                : nullptr;
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

int SystemDpi::ForWindow(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = Lookup<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return ScreenDpi();
}

int SystemDpi::ForSystem() {
  using GetDpiForSystemFn = UINT(WINAPI*)();
  static const auto getDpiForSystem = Lookup<GetDpiForSystemFn>("GetDpiForSystem");
  if (getDpiForSystem) {
    const UINT dpi = getDpiForSystem();
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return ScreenDpi();
}

RECT SystemDpi::WindowRectFor(RECT client, DWORD style, DWORD exStyle, int dpi) {
  using AdjustFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = Lookup<AdjustFn>("AdjustWindowRectExForDpi");
  if (!adjust || !adjust(&client, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
    AdjustWindowRectEx(&client, style, FALSE, exStyle);
  }
  return client;
}

void SystemDpi::MoveToSuggestedRect(HWND window, LPARAM suggestedRect) {
  const auto* suggested = reinterpret_cast<const RECT*>(suggestedRect);
  SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
               suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tallies
