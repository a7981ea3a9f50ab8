#pragma once

#include <string_view>

#include "win32app/windows_headers.h"

namespace tallies {

// The main window's tooltips: one tooltip control (TOOLTIPS_CLASS) that shows a text when the
// pointer rests on a control, each control a tool of its own (TTF_IDISHWND | TTF_SUBCLASS, so
// the control's own mouse messages reach it). A list's text part is a window of its own that
// covers most of the list: it shows the list's text too.
class ToolTips {
 public:
  // The tooltip control, owned by `owner` and destroyed with it (WindowCreationFailed should
  // Windows refuse it).
  ToolTips(HWND owner, HINSTANCE instance);
  ToolTips(const ToolTips&) = delete;
  ToolTips& operator=(const ToolTips&) = delete;

  HWND Window() const { return m_window; }

  void Add(HWND control, std::wstring_view text);
  void SetText(HWND control, std::wstring_view text);
  // A long text wraps at a width that grows with the monitor's DPI.
  void SetDpi(int dpi);

 private:
  void AddTool(HWND tool, std::wstring_view text);
  void SetToolText(HWND tool, std::wstring_view text);

  HWND m_window = nullptr;
};

}  // namespace tallies
