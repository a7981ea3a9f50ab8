#pragma once

namespace tallies {

class frmMain;

// For the build scripts and the README's pictures: when TALLIES_SCREENSHOT
// names a PNG file, the window is drawn into it once it is on the screen and
// the program ends. TALLIES_SCREENSHOT_VIEW=general shows the general view
// first; TALLIES_SCREENSHOT_SAMPLE=1 works out a sample problem on the page
// shown. Without the variable nothing happens.
void ScreenshotOnRequest(frmMain& window);

// For pictures of the window on a light or a dark desktop: with
// TALLIES_SCREENSHOT set, TALLIES_SCREENSHOT_PALETTE=dark (or light) gives the
// program that desktop's palette, as its theme would. Call before the window
// is built. Without both variables the desktop's own palette stays.
void ScreenshotPaletteOnRequest();

}  // namespace tallies
