// The program's entry: the main window in the hydraulic view, and nothing else to load. The
// program ends when its last window closes.

#include <objbase.h>

#include "win32app/application.h"
#include "win32app/boundary_guard.h"
#include "win32app/checked_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // The pictures are decoded through the imaging component, the shell opens the web site and
  // the accessibility annotations are a COM service: all want a single-threaded apartment.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);

  int exitCode = tallies::kFailureExitCode;
  // The C runtime that calls this function knows nothing of C++ exceptions either: whatever
  // reaches here (a window Windows would not make at start) is reported, and the program ends
  // with a failure's exit code instead of a crash.
  try {
    // The windows, and the accessibility service the main one holds, go before COM does.
    tallies::Application application(instance);
    exitCode = application.Run(showCommand);
  } catch (...) {
    tallies::ReportCaughtException(nullptr, 0);
    exitCode = tallies::kFailureExitCode;
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return exitCode;
}
