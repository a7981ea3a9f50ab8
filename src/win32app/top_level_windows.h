#pragma once

namespace tallies {

// The program ends when its last window closes: the main window and the About box each count
// themselves in and out, and the last one out ends the message loop.
class TopLevelWindows {
 public:
  static void Opened();
  static void Closed();

 private:
  static int s_open;
};

}  // namespace tallies
