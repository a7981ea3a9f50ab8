#pragma once

namespace tallies {

class frmMain;

// For the build scripts and the README's pictures: when TALLIES_SCREENSHOT
// names a PNG file, the window is drawn into it once it is on the screen and
// the program ends. TALLIES_SCREENSHOT_VIEW=general shows the general view
// first. Without the variable nothing happens.
void ScreenshotOnRequest(frmMain& window);

}  // namespace tallies
