#include "win32app/top_level_windows.h"

#include "win32app/windows_headers.h"

namespace tallies {

int TopLevelWindows::s_open = 0;

void TopLevelWindows::Opened() { ++s_open; }

void TopLevelWindows::Closed() {
  if (--s_open <= 0) PostQuitMessage(0);
}

}  // namespace tallies
