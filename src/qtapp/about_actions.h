#pragma once

class QWidget;

namespace tallies {

// Click handler of the main window's About button (cmdAbout_Click): shows the one About box,
// building it first (which loads its texts) when it is not open, otherwise bringing it to the
// front. The box is modeless and has no owner.
void ShowAboutBox();

// Click handler of the main window's link label (Label3_Click): checks that a web browser is
// registered and opens the project's web site in it, with the running system's platform.
// mainWindow owns the messages and the shell's request.
void OpenVendorSite(QWidget* mainWindow);

}  // namespace tallies
