#include "win32app/tab_set.h"

#include <algorithm>
#include <string>

#include "win32app/checked_window.h"
#include "win32app/page_window.h"
#include "win32app/win32_text.h"

namespace tallies {
namespace {

// Room around a two-line caption inside its tab, in pixels at the design's 96 dots per inch.
constexpr int kTabPadding = 6;

int TextLineHeight(HWND window, HFONT font) {
  HDC dc = GetDC(window);
  HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return metrics.tmHeight + metrics.tmExternalLeading;
}

// Whether two tabs stand in the same row of the strip.
bool SameRow(HWND tabs, int first, int second) {
  RECT a{}, b{};
  TabCtrl_GetItemRect(tabs, first, &a);
  TabCtrl_GetItemRect(tabs, second, &b);
  return a.top == b.top;
}

}  // namespace

TabSet::TabSet(const TabSetLayout& layout, int controlId, HWND parent, HINSTANCE instance)
    : m_layout(layout) {
  // The strip and pages are children of the tab control, which leaves their area to them. The
  // rows are filled in turn with tabs of one width (ragged right), not balanced, so the first
  // rows hold the designed number of tabs.
  m_window = CreateWindowChecked(
      WS_EX_CONTROLPARENT, WC_TABCONTROLW, L"",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_MULTILINE |
          TCS_FIXEDWIDTH | TCS_RAGGEDRIGHT | TCS_OWNERDRAWFIXED | TCS_FOCUSONBUTTONDOWN,
      0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance,
      nullptr);
  int index = 0;
  for (std::string_view caption : layout.captions) {
    std::wstring text = Wide(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    TabCtrl_InsertItem(m_window, index++, &item);
    m_pages.push_back(CreatePage(m_window, layout.background, instance));
  }
  // Every tab set opens on its first tab.
  TabCtrl_SetCurFocus(m_window, 0);
  TabCtrl_SetCurSel(m_window, 0);
  ShowCurrentPage();
}

void TabSet::Place(const RECT& place, HFONT font, int dpi) {
  const int width = place.right - place.left;
  SetWindowPos(m_window, nullptr, place.left, place.top, width, place.bottom - place.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  const int tabHeight = 2 * TextLineHeight(m_window, font) + MulDiv(kTabPadding, dpi, 96);
  // The control's own margins decide how many fixed-width tabs fit a row: start from an even
  // share of the width and narrow the tabs until the designed number, and no more, stand in the
  // first row.
  const int perRow = std::min(m_layout.tabsPerRow, Count());
  int tabWidth = width / m_layout.tabsPerRow;
  for (int attempt = 0; attempt < 60 && tabWidth > 8; ++attempt, --tabWidth) {
    TabCtrl_SetItemSize(m_window, tabWidth, tabHeight);
    if (SameRow(m_window, 0, perRow - 1) && (Count() <= perRow || !SameRow(m_window, 0, perRow))) {
      break;
    }
  }

  RECT display;
  GetClientRect(m_window, &display);
  TabCtrl_AdjustRect(m_window, FALSE, &display);
  m_pageOrigin = {display.left, display.top};
  for (HWND page : m_pages) {
    SetWindowPos(page, nullptr, display.left, display.top, display.right - display.left,
                 display.bottom - display.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(m_window, nullptr, TRUE);
}

void TabSet::SyncToSelection() {
  const int selected = TabCtrl_GetCurSel(m_window);
  if (selected < 0 || selected >= Count()) return;
  m_current = selected;
  ShowCurrentPage();
}

void TabSet::Select(int tab) {
  TabCtrl_SetCurSel(m_window, tab);
  SyncToSelection();
}

void TabSet::ShowCurrentPage() {
  for (int tab = 0; tab < Count(); ++tab) {
    ShowWindow(m_pages[static_cast<std::size_t>(tab)], tab == m_current ? SW_SHOWNA : SW_HIDE);
  }
}

void TabSet::SetShown(bool shown) { ShowWindow(m_window, shown ? SW_SHOWNA : SW_HIDE); }

void TabSet::DrawTab(const DRAWITEMSTRUCT& item) {
  wchar_t caption[128] = {};
  TCITEMW tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = caption;
  tab.cchTextMax = static_cast<int>(std::size(caption));
  TabCtrl_GetItem(item.hwndItem, static_cast<int>(item.itemID), &tab);

  HDC dc = item.hDC;
  HGDIOBJ previous = SelectObject(dc, GetWindowFont(item.hwndItem));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  // The caption is centred in its tab, on two lines when it needs them.
  RECT box = item.rcItem;
  InflateRect(&box, -2, -1);
  RECT measure = box;
  DrawTextW(dc, caption, -1, &measure, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  const int textHeight = measure.bottom - measure.top;
  box.top += std::max(0L, ((box.bottom - box.top) - textHeight) / 2);
  DrawTextW(dc, caption, -1, &box, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, previous);
}

}  // namespace tallies
