// The program's entry: the main window in the hydraulic view, and nothing else
// to load. The program ends when its last window closes.

#include <QApplication>

#include "qtapp/about_actions.h"
#include "qtapp/app_look.h"
#include "qtapp/frm_main.h"
#include "qtapp/screenshot.h"
#include "platform/qt/qt_modal_message_box.h"
#include "qtapp/readable_palette.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tallies"));
  QApplication::setApplicationVersion(QStringLiteral("1.2.0"));
  QApplication::setDesktopFileName(QStringLiteral("org.example.Tallies"));
  tallies::ApplyApplicationLook(app);
  tallies::ScreenshotPaletteOnRequest();

  // Fault reports are readable on every desktop palette, even where the theme's own text and
  // background colours clash.
  tallies::QtModalMessageBox messages(nullptr, &tallies::ReadablePalette);
  tallies::frmMain window(messages);
  messages.setParent(&window);
  window.setAboutAction(&tallies::ShowAboutBox);
  window.setLinkAction([&window] { tallies::OpenVendorSite(&window); });
  window.show();
  tallies::ScreenshotOnRequest(window);
  return QApplication::exec();
}
