#pragma once

namespace tallies {

// What a top-level window asks of the application that owns it.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  // cmdAbout_Click: the one About box, built when none is open, brought to the front.
  virtual void ShowAbout() = 0;
  // The window is gone (its WM_NCDESTROY); its object may go once the message is handled.
  virtual void WindowClosed() = 0;
};

}  // namespace tallies
