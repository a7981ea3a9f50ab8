#pragma once

#include <vector>

#include "win32app/windows_headers.h"

namespace tallies {

// The keyboard order of the main window: Tab and Shift+Tab move the focus through the controls
// in the order of their tab-order numbers, over every page and tab set, skipping hidden and
// disabled controls and an option button that is not selected (the option pair is reached
// through its selected button; the arrow keys move between the two).
class FocusCycle {
 public:
  void SetOrder(std::vector<HWND> order) { m_order = std::move(order); }

  // Moves the focus for a Tab key press meant for a control under `root`; false for any other
  // message, which then goes its usual way.
  bool HandleTabKey(HWND root, const MSG& message) const;

 private:
  std::vector<HWND> m_order;
};

}  // namespace tallies
