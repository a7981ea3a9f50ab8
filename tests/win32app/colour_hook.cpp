// A message hook the colour test puts into tallies.exe: Wine keeps each process's system colours
// to itself, so a colour set by the test's own process never reaches the program. Set from
// inside the program, the change is the program's own, and Windows (and Wine) tell every
// top-level window of it with WM_SYSCOLORCHANGE, as after a change of theme.

#include <windows.h>

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
