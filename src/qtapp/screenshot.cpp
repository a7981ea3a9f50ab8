#include "qtapp/screenshot.h"

#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "qtapp/desktop_palettes.h"
#include "qtapp/frm_main.h"
#include "window/window_bindings.h"

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
  const ViewLayout& view = Views()[general ? 1 : 0];
  window.showView(view);
  // A sample problem, worked out by its own Calc button, so the picture shows a
  // result in a light-yellow label or a field.
  if (qEnvironmentVariable("TALLIES_SCREENSHOT_SAMPLE") == QStringLiteral("1")) {
    const SampleProblem sample = SampleProblemOf(view);
    for (const ControlText& input : sample.inputs) window.SetText(input.control, input.text);
    if (auto* calc = window.control<QPushButton>(sample.button)) calc->click();
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
