// The program's entry: the main window in the hydraulic view, and nothing else to load. The
// program ends when its last window closes.

#include <objbase.h>

#include "win32app/about_box.h"
#include "win32app/main_window.h"
#include "win32app/page_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // The pictures are decoded through the imaging component, the shell opens the web site and
  // the accessibility annotations are a COM service: all want a single-threaded apartment.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);

  tallies::MainWindow::RegisterClass(instance);
  tallies::AboutBox::RegisterClass(instance);
  tallies::RegisterPageClass(instance);

  int exitCode = 0;
  {
    // The window, and the accessibility service it holds, go before COM does.
    tallies::MainWindow window(instance);
    ShowWindow(window.Window(), showCommand);
    UpdateWindow(window.Window());

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      // Each window's keyboard interface: Tab in the window's keyboard order, Enter, Esc, the
      // arrow keys in the option pair and the About box's access key.
      HWND about = tallies::AboutBox::Current();
      if (about && (message.hwnd == about || IsChild(about, message.hwnd)) &&
          IsDialogMessageW(about, &message)) {
        continue;
      }
      HWND main = window.Window();
      if (main && window.Focus().HandleTabKey(main, message)) continue;
      if (main && IsDialogMessageW(main, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    exitCode = static_cast<int>(message.wParam);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return exitCode;
}
