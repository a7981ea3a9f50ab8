// The program's entry: the main window in the hydraulic view, and nothing else
// to load. The program ends when its last window closes.

#include <QApplication>

#include "config/app_config.h"
#include "platform/qt/qt_modal_message_box.h"
#include "qtapp/about_actions.h"
#include "qtapp/app_look.h"
#include "qtapp/frm_main.h"
#include "qtapp/readable_palette.h"
#include "qtapp/screenshot.h"
#include "record/history_keeper.h"
#include "settings/file_settings_store.h"
#include "settings/settings_folder.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tallies"));
  QApplication::setApplicationVersion(
      QString::fromUtf8(tallies::kVersionText.data(), tallies::kVersionText.size()));
  QApplication::setDesktopFileName(
      QString::fromUtf8(tallies::kAppId.data(), tallies::kAppId.size()));
  tallies::ApplyApplicationLook(app);
  tallies::ScreenshotPaletteOnRequest();

  // Fault reports are readable on every desktop palette, even where the theme's own text and
  // background colours clash.
  tallies::QtModalMessageBox messages(nullptr, &tallies::ReadablePalette);
  // The units chosen last time, from the user's configuration folder.
  tallies::FileSettingsStore settings(tallies::SettingsFolder());
  tallies::frmMain window(messages);
  messages.setParent(&window);
  window.setAboutAction(&tallies::ShowAboutBox);
  window.setLinkAction([&window] { tallies::OpenVendorSite(&window); });
  window.useSettings(settings);
  // The record of calculations, in the user's data folder; without one, while the window lasts.
  const std::filesystem::path historyFolder = tallies::HistoryFolder();
  tallies::HistoryKeeper history(historyFolder.empty()
                                     ? std::nullopt
                                     : std::optional(tallies::HistoryFile(historyFolder)));
  window.useHistory(history);
  window.show();
  tallies::ScreenshotOnRequest(window);
  return QApplication::exec();
}
