#include "qtapp/about_actions.h"

#include <QPointer>

#include "about/web_link.h"
#include "qtapp/frm_about.h"
#include "qtapp/native_platform.h"

namespace tallies {

namespace {

// The one About box while it is open.
QPointer<frmAbout>& AboutBox() {
  static QPointer<frmAbout> box;
  return box;
}

}  // namespace

void ShowAboutBox() {
  QPointer<frmAbout>& box = AboutBox();
  // A closed box is hidden at once and deleted when control returns to the event loop; a box
  // that is no longer shown is one the user has closed, so a new one is built.
  if (!box || !box->isVisible()) {
    box = new frmAbout();
  }
  box->show();
  box->raise();
  box->activateWindow();
}

void OpenVendorSite(QWidget* mainWindow) {
  NativePlatform platform(mainWindow);
  // The handler reports its own failures; nothing may escape into the event loop.
  try {
    Label3_Click(platform.WebLink());
  } catch (...) {
  }
}

}  // namespace tallies
