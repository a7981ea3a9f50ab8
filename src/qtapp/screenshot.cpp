#include "qtapp/screenshot.h"

#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "qtapp/desktop_palettes.h"
#include "qtapp/frm_main.h"

namespace tallies {

void ScreenshotPaletteOnRequest() {
  if (qEnvironmentVariable("TALLIES_SCREENSHOT").isEmpty()) return;
  const QString palette = qEnvironmentVariable("TALLIES_SCREENSHOT_PALETTE");
  if (palette == QStringLiteral("dark")) QApplication::setPalette(DarkDesktopPalette());
  if (palette == QStringLiteral("light")) QApplication::setPalette(LightDesktopPalette());
}

void ScreenshotOnRequest(frmMain& window) {
  const QString path = qEnvironmentVariable("TALLIES_SCREENSHOT");
  if (path.isEmpty()) return;
  const bool general = qEnvironmentVariable("TALLIES_SCREENSHOT_VIEW") == QStringLiteral("general");
  if (general) window.optGen_Click();
  // A sample problem, worked out by its own Calc button, so the picture shows a
  // result in a light-yellow label or a field.
  if (qEnvironmentVariable("TALLIES_SCREENSHOT_SAMPLE") == QStringLiteral("1")) {
    const char* button = general ? "Command2" : "cmdHP";
    if (general) {
      window.SetText("txtmm1", "100");
    } else {
      window.SetText("txtGPM", "10");
      window.SetText("txtPSI", "1500");
    }
    if (auto* calc = window.control<QPushButton>(button)) calc->click();
  }
  // Give the window system a moment to map and paint the window.
  QTimer::singleShot(300, &window, [&window, path] {
    const bool saved = window.grab().save(path, "PNG");
    std::fprintf(stderr, "%s %s\n", saved ? "Screenshot written to" : "Could not write",
                 qPrintable(path));
    QApplication::exit(saved ? 0 : 1);
  });
}

}  // namespace tallies
