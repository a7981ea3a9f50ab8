#pragma once

#include "win32app/windows_headers.h"

namespace tallies {

// The web-site link: a static control (SS_NOTIFY) that shows the pointing hand, takes the
// keyboard focus in its place of the keyboard order and shows it with a focus mark, and reports
// a click, Enter, Space or BM_CLICK to its parent as STN_CLICKED.
class LinkLabel {
 public:
  // Gives the static control the link's behaviour for as long as it exists.
  static void Attach(HWND label);

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR subclass, DWORD_PTR data);
  static LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static void Paint(HWND window);
  static void Click(HWND window);
};

}  // namespace tallies
