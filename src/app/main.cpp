// The program's entry: the main window in the hydraulic view, and nothing else
// to load. The program ends when its last window closes.

#include <QApplication>

#include "app/app_look.h"
#include "app/frm_main.h"
#include "app/qt_message_box.h"
#include "app/screenshot.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tallies"));
  QApplication::setApplicationVersion(QStringLiteral("1.2.0"));
  QApplication::setDesktopFileName(QStringLiteral("tallies"));
  tallies::ApplyApplicationLook(app);

  tallies::QtMessageBox messages;
  tallies::frmMain window(messages);
  window.show();
  tallies::ScreenshotOnRequest(window);
  return QApplication::exec();
}
