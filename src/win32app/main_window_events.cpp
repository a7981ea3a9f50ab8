// The main window's messages: clicks, list choices, tab changes, colours, drawing, focus, access
// keys and the DPI of the monitor.

#include <cwctype>

#include "about/web_link.h"
#include "controls/run_calculator.h"
#include "record/history_keeper.h"
#include "settings/units_setting.h"
#include "win32app/history_window.h"
#include "win32app/main_window.h"
#include "win32app/system_dpi.h"
#include "win32app/test_hooks.h"
#include "win32app/theme_change.h"
#include "win32app/win32_platform.h"
#include "win32app/win32_text.h"
#include "window/window_bindings.h"

namespace tallies {
namespace {

// The character after a caption's first single "&" (upper case), 0 when it has none.
wint_t AccessKeyOf(std::wstring_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return std::towupper(caption[i + 1]);
    ++i;
  }
  return 0;
}

}  // namespace

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto answer = HandleLookMessage(m_window, message, wParam, lParam, Background::kWindowGrey,
                                      m_look.get(), [this](int dpi) { ApplyLook(dpi); })) {
    return *answer;
  }
  switch (message) {
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam), HIWORD(wParam))) return 0;
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == TCN_SELCHANGE) {
        if (TabSet* set = FindTabSet(header->hwndFrom)) set->SyncToSelection();
        return 0;
      }
      break;
    }
    case WM_DRAWITEM:
      if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case DM_GETDEFID: {
      // No button is the window's default: Enter presses a button only when it has the focus,
      // and in a field it starts nothing.
      HWND focus = GetFocus();
      if (focus && IsChild(m_window, focus) &&
          (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON)) {
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
      }
      return 0;
    }
    case WM_NEXTDLGCTL:
      // The dialog manager's request to move the focus (the arrow keys in the option pair).
      if (LOWORD(lParam)) {
        SetFocus(reinterpret_cast<HWND>(wParam));
      }
      return 0;
    case WM_ACTIVATE:
      // The focus comes back to where it was when the window is activated again.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(m_window, focus)) m_lastFocus = focus;
      } else if (m_lastFocus && IsWindow(m_lastFocus) && IsWindowVisible(m_lastFocus)) {
        SetFocus(m_lastFocus);
        return 0;
      }
      break;
    case WM_DESTROY:
      // The annotations are taken back while the controls still exist.
      m_accessible.ClearAll();
      return 0;
    case WM_NCDESTROY: {
      HWND window = m_window;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      m_window = nullptr;
      const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      // The application may end once the last of its windows has gone.
      m_host.WindowClosed();
      return result;
    }
  }
  return DefWindowProcW(m_window, message, wParam, lParam);
}

bool MainWindow::OnCommand(int id, int code) {
  const Item* item = FindById(id);
  if (!item) return false;
  const ControlRow& row = *item->row;
  // Only the choice of an entry starts a list, never typing into its text part.
  const int starts = row.kind == ControlKind::kList        ? CBN_SELCHANGE
                     : row.kind == ControlKind::kLinkLabel ? STN_CLICKED
                                                           : BN_CLICKED;
  if (code != starts) return false;
  if (row.kind == ControlKind::kList && TakesTypedText(row.name)) {
    const auto chosen = SendMessageW(item->window, CB_GETCURSEL, 0, 0);
    if (chosen == CB_ERR) return true;
    // The text part takes the chosen entry only after this notification; the handler reads
    // the entry, so it is put there first.
    const auto length = SendMessageW(item->window, CB_GETLBTEXTLEN, chosen, 0);
    std::wstring entry(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(item->window, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(entry.data()));
    SetWindowTextW(item->window, entry.c_str());
  }
  TestHooks::ThrowIfAsked(row.name);
  // A Calc runs the calculator of the units the window speaks at the time.
  const ControlAction action = ActionOf(row.name, m_units);
  switch (action.action) {
    case Action::kCalculate:
      Run(*action.calculator, *item);
      return true;
    case Action::kChooseUnits:
      // A choice that cannot be stored still switches: the window works on, and starts in the
      // units stored before next time.
      if (const auto chosen = UnitsOfEntry(Text(row.name))) {
        SetUnits(*chosen);
        if (m_settings) SaveUnits(*m_settings, *chosen);
      }
      return true;
    case Action::kShowView:
      SwitchView(*action.view);
      return true;
    case Action::kShowAbout:
      m_host.ShowAbout();
      return true;
    case Action::kShowHistory:
      ShowHistory();
      return true;
    case Action::kOpenSite:
      OpenSite();
      return true;
    default:
      return false;
  }
}

// The dialog manager would take the control after the caption in the order of the child
// windows, which is the keyboard order here, not the order of captions and what they name.
bool MainWindow::HandleAccessKey(const MSG& message) {
  if (message.message != WM_SYSCHAR || message.wParam == 0 || !m_window ||
      (message.hwnd != m_window && !IsChild(m_window, message.hwnd))) {
    return false;
  }
  const auto key = std::towupper(static_cast<wint_t>(message.wParam));
  for (const Item& named : m_items) {
    const Item* caption = Find(CaptionOf(named.row->name));
    if (caption && TakesFocus(named.row->kind) && IsWindowVisible(named.window) &&
        IsWindowEnabled(named.window) && AccessKeyOf(Wide(WindowText(caption->window))) == key) {
      SetFocus(named.window);
      return true;
    }
  }
  return false;
}

bool MainWindow::OnDrawItem(const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType == ODT_TAB) {
    TabSet::DrawTab(draw);
    return true;
  }
  if (draw.CtlType != ODT_STATIC) return false;
  const Item* item = FindById(static_cast<int>(draw.CtlID));
  if (!item) return false;
  FillRect(draw.hDC, &draw.rcItem, AppLook::BackgroundBrush(item->row->background));
  const auto art = m_artwork.find(item->row->name);
  if (art == m_artwork.end() || !art->second->Loaded()) return true;
  RECT target = draw.rcItem;
  if (DesignOf(item->row->picture).fit == PictureFit::kNaturalSize) {
    // A drawing is shown at its own size from the corner of its box; the banner fills its box.
    const SIZE size = art->second->DesignSize();
    target.right = target.left + MulDiv(size.cx, m_look->Dpi(), 96);
    target.bottom = target.top + MulDiv(size.cy, m_look->Dpi(), 96);
  }
  art->second->Draw(draw.hDC, target);
  return true;
}

LRESULT MainWindow::OnColour(HDC dc, HWND control) {
  for (const Item& item : m_items) {
    if (item.window == control) {
      return reinterpret_cast<LRESULT>(AppLook::Prepare(dc, item.row->background));
    }
  }
  return DefWindowProcW(m_window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(control));
}

void MainWindow::SwitchView(const ViewLayout& view) {
  for (const ViewLayout& each : Views()) {
    Button_SetCheck(Find(each.option)->window, &each == &view ? BST_CHECKED : BST_UNCHECKED);
  }
  // The tab set coming into view is shown before the others are hidden, so the window never
  // shows none.
  TabSetNamed(view.tabSet)->SetShown(true);
  for (const ViewLayout& each : Views()) {
    if (&each != &view) TabSetNamed(each.tabSet)->SetShown(false);
  }
}

// A calculation that ran to its end is recorded in the history. A screen reader hears what a
// Calc wrote without the user moving: the control's description names the new results, then its
// formula, and the change is announced once per Calc (NVDA and Narrator speak a description
// change of the focused object). A fault changes nothing: its report speaks for itself.
void MainWindow::Run(const Calculator& calculator, const Item& source) {
  const std::optional<Calculation> done = RunCalculator(calculator, *this, m_messages);
  if (!done) return;
  if (m_history) {
    const std::string notice = m_history->Record(*done, m_decimalSeparator);
    if (HistoryWindow* window = OpenHistory()) window->Refresh();
    if (!notice.empty()) m_messages.Show(notice);
  }
  const std::string said = DescribeWrites(*done);
  if (said.empty()) return;
  m_accessible.SetDescription(source.window,
                              Wide(DescriptionAfterCalc(said, source.row->name, m_units)));
  NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, source.window, OBJID_CLIENT, CHILDID_SELF);
}

void MainWindow::OpenSite() {
  // The handler reports its own failures; should anything escape it all the same, the window
  // procedure's guard reports that.
  Win32Platform platform(m_window);
  Label3_Click(platform.WebLink());
}

}  // namespace tallies
