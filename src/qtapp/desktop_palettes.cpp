#include "qtapp/desktop_palettes.h"

#include <QColor>

namespace tallies {

QPalette LightDesktopPalette() {
  const QColor window(239, 239, 239);
  QPalette palette(QColor(0, 0, 0), window, window.lighter(150), window.darker(160),
                   window.darker(120), QColor(0, 0, 0), QColor(255, 255, 255),
                   QColor(255, 255, 255), window);
  palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
  palette.setColor(QPalette::ToolTipText, QColor(0, 0, 0));
  palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
  palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
  palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
  palette.setColor(QPalette::Link, QColor(0, 0, 255));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(190, 190, 190));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(190, 190, 190));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(190, 190, 190));
  return palette;
}

QPalette DarkDesktopPalette() {
  const QColor window(53, 53, 53);
  const QColor text(238, 238, 236);
  QPalette palette(text, window, window.lighter(150), window.darker(150), window.darker(120), text,
                   QColor(255, 255, 255), QColor(45, 45, 45), window);
  palette.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
  palette.setColor(QPalette::ToolTipBase, QColor(31, 31, 31));
  palette.setColor(QPalette::ToolTipText, QColor(255, 255, 255));
  palette.setColor(QPalette::Highlight, QColor(21, 83, 158));
  palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
  palette.setColor(QPalette::PlaceholderText, QColor(238, 238, 236, 128));
  palette.setColor(QPalette::Link, QColor(53, 132, 228));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(145, 145, 144));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(145, 145, 144));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(145, 145, 144));
  return palette;
}

}  // namespace tallies
