#pragma once

#include <vector>

#include "layout/control_layout.h"
#include "layout/text_contrast.h"
#include "win32app/windows_headers.h"

namespace tallies {

// Fonts, colours and brushes of the window layer at one DPI: the system's message font at
// 8 points for every control, the same face in the smaller sizes a result may be drawn in, and
// the link label's bold, underlined face. Made anew when the window moves to a monitor of
// another DPI.
class AppLook {
 public:
  explicit AppLook(int dpi);
  ~AppLook();
  AppLook(const AppLook&) = delete;
  AppLook& operator=(const AppLook&) = delete;

  int Dpi() const { return m_dpi; }
  HFONT ControlFont() const { return m_controlFont; }
  HFONT LinkFont() const { return m_linkFont; }
  // The faces a result or caption is drawn in, largest first: the control font, then the same
  // face half a point smaller each time down to the smallest caption size (a result stops a
  // step before, at kSmallestResultPoints).
  const std::vector<HFONT>& ResultFonts() const { return m_resultFonts; }
  // The face of a size among ResultFonts (kResultPointStep apart from kControlPoints down).
  HFONT FaceAt(double points) const { return FaceAt(m_resultFonts, points); }
  static HFONT FaceAt(const std::vector<HFONT>& faces, double points);
  // The face a caption or an option button is drawn in, once placed and given its text: the
  // control font where its text is whole in its rectangle (on one line, or wrapped within its
  // height when `wraps`), else the largest smaller face in which it is. The system's message
  // font is not as narrow everywhere as the design's face.
  HFONT CaptionFace(HWND control, ControlKind kind, bool wraps) const;

  // A background kind's colour and brush, and a text colour readable on it.
  static Rgb BackgroundColour(Background background);
  // Every window and page paints with these brushes. Each is made anew when its colour has
  // changed since the last request (a new desktop theme), so none is kept beyond that: ask
  // again for every painting rather than keeping one (a window class's background brush).
  static HBRUSH BackgroundBrush(Background background);
  static COLORREF TextColour(Background background);

  // Prepares a control's device context for drawing on its background (the answer to the
  // WM_CTLCOLOR messages): text and background colours set, the brush to fill with returned.
  static HBRUSH Prepare(HDC dc, Background background);

 private:
  int m_dpi;
  HFONT m_controlFont = nullptr;
  HFONT m_linkFont = nullptr;
  std::vector<HFONT> m_resultFonts;  // the first is m_controlFont, the others are owned here
};

COLORREF ToColorRef(Rgb colour);

}  // namespace tallies
