#include "platform/win32/win32_event_pump.h"

#include "platform/win32/windows_api.h"

namespace tallies {

void Win32EventPump::ProcessPendingEvents() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The request to end belongs to the program's own message loop: put it back for that loop.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace tallies
