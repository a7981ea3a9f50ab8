#include "win32app/tool_tips.h"

#include <string>

#include "win32app/checked_window.h"

namespace tallies {
namespace {

// The width, in pixels at 96 dots per inch, at which a long formula wraps onto another line.
constexpr int kTipWidth = 360;

// The text part of a list, or none for any other control.
HWND TextPartOf(HWND control) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!GetComboBoxInfo(control, &info)) return nullptr;
  return info.hwndItem != control ? info.hwndItem : nullptr;
}

TTTOOLINFOW ToolOf(HWND tool) {
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = GetParent(tool);
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  return info;
}

}  // namespace

ToolTips::ToolTips(HWND owner, HINSTANCE instance) {
  // No prefix: a formula's "&" is a character like any other.
  m_window =
      CreateWindowChecked(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
}

void ToolTips::Add(HWND control, std::wstring_view text) {
  AddTool(control, text);
  if (HWND part = TextPartOf(control)) AddTool(part, text);
}

void ToolTips::SetText(HWND control, std::wstring_view text) {
  SetToolText(control, text);
  if (HWND part = TextPartOf(control)) SetToolText(part, text);
}

void ToolTips::SetDpi(int dpi) {
  if (m_window) SendMessageW(m_window, TTM_SETMAXTIPWIDTH, 0, MulDiv(kTipWidth, dpi, 96));
}

void ToolTips::AddTool(HWND tool, std::wstring_view text) {
  if (!m_window || !tool) return;
  // The control copies the text.
  std::wstring copy(text);
  TTTOOLINFOW info = ToolOf(tool);
  info.lpszText = copy.data();
  SendMessageW(m_window, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::SetToolText(HWND tool, std::wstring_view text) {
  if (!m_window || !tool) return;
  std::wstring copy(text);
  TTTOOLINFOW info = ToolOf(tool);
  info.lpszText = copy.data();
  SendMessageW(m_window, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace tallies
