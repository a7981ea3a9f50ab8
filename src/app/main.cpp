// The program's entry: the main window in the hydraulic view, and nothing else
// to load. The program ends when its last window closes.

#include <QApplication>

#include "about/qt/about_actions.h"
#include "app/app_look.h"
#include "app/frm_main.h"
#include "app/screenshot.h"
#include "platform/qt/qt_modal_message_box.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tallies"));
  QApplication::setApplicationVersion(QStringLiteral("1.2.0"));
  QApplication::setDesktopFileName(QStringLiteral("org.example.Tallies"));
  tallies::ApplyApplicationLook(app);
  tallies::ScreenshotPaletteOnRequest();

  tallies::QtModalMessageBox messages;
  tallies::frmMain window(messages);
  messages.setParent(&window);
  window.setAboutAction(&tallies::ShowAboutBox);
  window.setLinkAction([&window] { tallies::OpenVendorSite(&window); });
  window.show();
  tallies::ScreenshotOnRequest(window);
  return QApplication::exec();
}
