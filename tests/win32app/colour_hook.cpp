// Message hooks the tests put into tallies.exe, to do there what only the program itself can.
// The colour test's: Wine keeps each process's system colours to itself, so a colour set by the
// test's own process never reaches the program. Set from inside the program, the change is the
// program's own, and Windows (and Wine) tell every top-level window of it with
// WM_SYSCOLORCHANGE, as after a change of theme.

#include <windows.h>
#include <commctrl.h>

// The message that carries the new button-face colour in its wParam.
extern "C" __declspec(dllexport) LRESULT CALLBACK
    SetButtonFaceHook(int code, WPARAM wParam, LPARAM lParam) {
  static const UINT kSetButtonFace = RegisterWindowMessageW(L"TalliesTestSetButtonFace");
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (message->message == kSetButtonFace) {
      const INT element = COLOR_BTNFACE;
      const auto colour = static_cast<COLORREF>(message->wParam);
      SetSysColors(1, &element, &colour);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The message that asks for the faces of the window's controls: each child of the window it is
// posted to gets the property "TalliesTestFaceHeight", the pixel height of the face it draws in
// (window properties can be read from the test's process, fonts cannot), and the window gets
// "TalliesTestFacesTold", the message's wParam, once all are told.
// A tab set also gets "TalliesTestTabsMeasured", how many of its captions were measured as the
// program draws them (inside a 2 x 1 pixel margin, wrapped), and "TalliesTestTabsCut", how many
// of those are not whole in their tabs.
static void TellTabsCut(HWND tabs, HFONT font) {
  HDC dc = GetDC(tabs);
  HGDIOBJ previous = SelectObject(dc, font);
  INT_PTR cut = 0;
  const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t caption[128] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = 128;
    RECT box{};
    SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&box));
    InflateRect(&box, -2, -1);
    RECT needed{0, 0, box.right - box.left, 0};
    DrawTextW(dc, caption, -1, &needed, DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    if (needed.right > box.right - box.left || needed.bottom > box.bottom - box.top) ++cut;
  }
  SelectObject(dc, previous);
  ReleaseDC(tabs, dc);
  SetPropW(tabs, L"TalliesTestTabsMeasured", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(count)));
  SetPropW(tabs, L"TalliesTestTabsCut", reinterpret_cast<HANDLE>(cut));
}

static BOOL CALLBACK TellFace(HWND control, LPARAM) {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  wchar_t className[32] = {};
  GetClassNameW(control, className, 32);
  if (lstrcmpiW(className, WC_TABCONTROLW) == 0) TellTabsCut(control, font);
  LOGFONTW face{};
  if (font && GetObjectW(font, sizeof face, &face)) {
    SetPropW(control, L"TalliesTestFaceHeight",
             reinterpret_cast<HANDLE>(static_cast<INT_PTR>(face.lfHeight < 0 ? -face.lfHeight
                                                                             : face.lfHeight)));
  }
  return TRUE;
}

extern "C" __declspec(dllexport) LRESULT CALLBACK TellFacesHook(int code, WPARAM wParam,
                                                                LPARAM lParam) {
  static const UINT kTellFaces = RegisterWindowMessageW(L"TalliesTestTellFaces");
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (message->message == kTellFaces) {
      EnumChildWindows(message->hwnd, TellFace, 0);
      SetPropW(message->hwnd, L"TalliesTestFacesTold", reinterpret_cast<HANDLE>(message->wParam));
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
