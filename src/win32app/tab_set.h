#pragma once

#include <vector>

#include "layout/control_layout.h"
#include "win32app/windows_headers.h"

namespace tallies {

// One tab set: a multi-row tab control (SysTabControl32) with a fixed number of tabs per row,
// owner-drawn so a caption may take two lines, and one page window per tab inside it. The page
// of the current tab is shown, the others hidden; the tab set keeps its current tab while it is
// hidden itself.
class TabSet {
 public:
  TabSet(const TabSetLayout& layout, int controlId, HWND parent, HINSTANCE instance);

  HWND Window() const { return m_window; }
  HWND Page(int tab) const { return m_pages.at(static_cast<std::size_t>(tab)); }
  int Count() const { return static_cast<int>(m_pages.size()); }
  int Current() const { return m_current; }
  const TabSetLayout& Layout() const { return m_layout; }

  // Places the tab set at `place` (pixels in its parent) with `font`, sizes its tabs so the
  // layout's number share a row, and fits the pages under the strip.
  void Place(const RECT& place, HFONT font, int dpi);
  // Where the pages stand, in pixels from the tab set's top-left corner: the designs place a
  // page's controls from that corner, the strip included.
  POINT PageOrigin() const { return m_pageOrigin; }

  // Shows the page of the tab the control now marks as current (after TCN_SELCHANGE).
  void SyncToSelection();
  // Makes `tab` the current tab and shows its page.
  void Select(int tab);
  // Shows or hides the whole tab set.
  void SetShown(bool shown);

  // Draws one tab's caption (WM_DRAWITEM of an owner-drawn tab).
  static void DrawTab(const DRAWITEMSTRUCT& item);

 private:
  void ShowCurrentPage();

  const TabSetLayout& m_layout;
  HWND m_window;
  std::vector<HWND> m_pages;
  int m_current = 0;
  POINT m_pageOrigin{};
};

}  // namespace tallies
