#include "win32app/app_look.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "layout/result_presentation.h"
#include "layout/window_model.h"
#include "win32app/core/colour_keyed_cache.h"
#include "win32app/core/dpi_scale.h"
#include "win32app/system_dpi.h"

namespace tallies {
namespace {

Rgb FromColorRef(COLORREF colour) {
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// Every control's face: the system's message font at the design's size (kControlPoints).
LOGFONTW MessageFont(int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  LOGFONTW font{};
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    font = metrics.lfMessageFont;
  } else {
    lstrcpynW(font.lfFaceName, L"MS Shell Dlg 2", LF_FACESIZE);
  }
  font.lfHeight = FontHeightForDpi(static_cast<int>(kControlPoints), dpi);
  font.lfWidth = 0;
  font.lfWeight = FW_NORMAL;
  font.lfItalic = FALSE;
  font.lfUnderline = FALSE;
  font.lfQuality = CLEARTYPE_QUALITY;
  return font;
}

int Index(Background background) { return static_cast<int>(background); }

}  // namespace

COLORREF ToColorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

AppLook::AppLook(int dpi) : m_dpi(dpi) {
  LOGFONTW font = MessageFont(dpi);
  m_controlFont = CreateFontIndirectW(&font);
  font.lfWeight = FW_BOLD;
  font.lfUnderline = TRUE;
  m_linkFont = CreateFontIndirectW(&font);

  m_resultFonts.push_back(m_controlFont);
  LOGFONTW smaller = MessageFont(dpi);
  // A half-point size becomes a whole number of pixels at this DPI, rounded as for whole points.
  for (double points = kControlPoints - kResultPointStep; points >= kSmallestCaptionPoints;
       points -= kResultPointStep) {
    smaller.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    m_resultFonts.push_back(CreateFontIndirectW(&smaller));
  }
}

AppLook::~AppLook() {
  for (std::size_t i = 1; i < m_resultFonts.size(); ++i) DeleteObject(m_resultFonts[i]);
  DeleteObject(m_controlFont);
  DeleteObject(m_linkFont);
}

HFONT AppLook::FaceAt(const std::vector<HFONT>& faces, double points) {
  const auto step =
      static_cast<std::size_t>(std::lround((kControlPoints - points) / kResultPointStep));
  return faces[std::min(step, faces.size() - 1)];
}

HFONT AppLook::CaptionFace(HWND control, ControlKind kind, bool wraps) const {
  RECT client{};
  GetClientRect(control, &client);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  if (client.right <= 0 || text.empty()) return m_controlFont;
  // An option button's text stands right of its round box and a small gap.
  const int beside = kind == ControlKind::kOptionButton
                         ? MulDiv(GetSystemMetrics(SM_CXMENUCHECK), m_dpi, SystemDpi::ForSystem()) +
                               ScaleForDpi(4, m_dpi)
                         : 0;
  const bool prefixes = (GetWindowLongW(control, GWL_STYLE) & SS_NOPREFIX) == 0 ||
                        kind != ControlKind::kCaption;
  const UINT format = DT_CALCRECT | DT_EXPANDTABS | (wraps ? DT_WORDBREAK : DT_SINGLELINE) |
                      (prefixes ? 0 : DT_NOPREFIX);
  HDC dc = GetDC(control);
  HGDIOBJ previous = GetCurrentObject(dc, OBJ_FONT);
  const double points = FittingPoints(
      [&](double size) {
        SelectObject(dc, FaceAt(size));
        RECT needed{0, 0, client.right - beside, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, format);
        return needed.right + beside <= client.right && needed.bottom <= client.bottom;
      },
      kControlPoints, kSmallestCaptionPoints);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return FaceAt(points);
}

Rgb AppLook::BackgroundColour(Background background) {
  if (const std::optional<Rgb> designed = DesignedColour(background)) return *designed;
  return FromColorRef(
      GetSysColor(background == Background::kToolTip ? COLOR_INFOBK : COLOR_BTNFACE));
}

HBRUSH AppLook::BackgroundBrush(Background background) {
  // The system's colours may change while the program runs (a new theme); each request gets a
  // brush of the colour as it is now.
  static ColourKeyedCache<HBRUSH, 4> brushes(
      [](std::uint32_t colour) { return CreateSolidBrush(static_cast<COLORREF>(colour)); },
      [](HBRUSH brush) { DeleteObject(brush); });
  return brushes.For(static_cast<std::size_t>(Index(background)),
                     ToColorRef(BackgroundColour(background)));
}

COLORREF AppLook::TextColour(Background background) {
  // The system's own pairs where the system chose the background; black on the designed ones.
  // Either way the colour is checked against its background and replaced when unreadable (a
  // high-contrast scheme may pair a dark button face with the designed grey's black).
  Rgb preferred{0, 0, 0};
  if (background == Background::kToolTip) preferred = FromColorRef(GetSysColor(COLOR_INFOTEXT));
  if (background == Background::kDefault) preferred = FromColorRef(GetSysColor(COLOR_BTNTEXT));
  return ToColorRef(ReadableTextColour(BackgroundColour(background), preferred));
}

HBRUSH AppLook::Prepare(HDC dc, Background background) {
  SetTextColor(dc, TextColour(background));
  SetBkColor(dc, ToColorRef(BackgroundColour(background)));
  SetBkMode(dc, OPAQUE);
  return BackgroundBrush(background);
}

}  // namespace tallies
