#include "win32app/history_window.h"

#include <commdlg.h>

#include <cstdio>
#include <filesystem>

#include "config/app_config.h"
#include "layout/control_ids.h"
#include "layout/history_layout.h"
#include "layout/window_model.h"
#include "record/entry_formats.h"
#include "record/history_texts.h"
#include "record/share_link.h"
#include "resource_ids.h"
#include "settings/replace_file.h"
#include "win32app/checked_window.h"
#include "win32app/control_factory.h"
#include "win32app/core/dpi_scale.h"
#include "win32app/main_window.h"
#include "win32app/result_field.h"
#include "win32app/system_dpi.h"
#include "win32app/test_hooks.h"
#include "win32app/theme_change.h"
#include "win32app/win32_text.h"
#include "win32app/window_proc.h"

// windows.h would rename the settings layer's ReplaceFile to the system's ReplaceFileW.
#undef ReplaceFile

namespace tallies {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// An entry's line: its local time ("yyyy-MM-dd HH:mm"), two blanks and its summary.
std::wstring EntryLine(const RecordEntry& entry) {
  // Milliseconds since 1970 as the 100-nanosecond steps since 1601 a FILETIME counts.
  constexpr long long kEpochDifference = 11644473600000LL;
  ULARGE_INTEGER steps{};
  steps.QuadPart = static_cast<ULONGLONG>(std::max(0LL, entry.time + kEpochDifference)) * 10000ULL;
  const FILETIME utc{steps.LowPart, steps.HighPart};
  SYSTEMTIME universal{}, local{};
  wchar_t time[32] = {};
  if (FileTimeToSystemTime(&utc, &universal) &&
      SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
    std::swprintf(time, 32, L"%04u-%02u-%02u %02u:%02u", local.wYear, local.wMonth, local.wDay,
                  local.wHour, local.wMinute);
  }
  return time + (L"  " + Wide(EntrySummary(entry)));
}

// A text with the line ends an edit and the clipboard of Windows expect (CR LF).
std::wstring WindowsLines(std::string_view text) {
  std::wstring lines;
  for (const wchar_t c : Wide(text)) {
    if (c == L'\n') lines += L'\r';
    lines += c;
  }
  return lines;
}

// The actions that work on the chosen entry, and are only offered while there is one.
bool NeedsEntry(Action action) {
  return action == Action::kRecallEntry || action == Action::kCopyEntry ||
         action == Action::kCopyEntryTable || action == Action::kCopyEntryLink ||
         action == Action::kDeleteEntry;
}

}  // namespace

const wchar_t* HistoryWindow::ClassName() {
  static const std::wstring name = Wide(kHistoryWindowName);
  return name.c_str();
}

void HistoryWindow::RegisterClass(HINSTANCE instance) {
  RegisterClassChecked(instance, ClassName(), &ForwardToOwner<HistoryWindow>, true);
}

HistoryWindow::HistoryWindow(HINSTANCE instance, MainWindow& main, HistoryKeeper& history)
    : m_instance(instance), m_main(main), m_history(history) {
  const int dpi = SystemDpi::ForSystem();
  const PixelRect client =
      TwipsToDevicePixels(0, 0, kHistoryClientWidth, kHistoryClientHeight, dpi);
  const RECT frame = SystemDpi::WindowRectFor({0, 0, client.width, client.height}, kStyle,
                                              kExStyle, dpi);
  CreateWindowChecked(kExStyle, ClassName(), Wide(kHistoryTitle).c_str(), kStyle, CW_USEDEFAULT,
                      CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                      main.Window(), nullptr, instance, this);
  m_messages = Win32MessageBox(m_window);
  try {
    Build();
  } catch (...) {
    DestroyDetached(m_window);
    throw;
  }
  Place(SystemDpi::ForWindow(m_window));
  Refresh();
}

HistoryWindow::~HistoryWindow() { DestroyDetached(m_window); }

// The child windows in keyboard order, each caption just before what it names: the dialog
// manager takes a caption's access key to the control after it.
void HistoryWindow::Build() {
  std::vector<HWND> order;
  auto make = [this](const ControlRow& row) {
    return ControlFactory::Create(row, ControlId(row.name), m_window, m_instance);
  };
  for (const ControlRow* row : HistoryFocusOrder()) {
    if (const ControlRow* caption = FindControl(CaptionOf(row->name))) make(*caption);
    order.push_back(make(*row));
  }
  m_focus.SetOrder(std::move(order));
}

void HistoryWindow::Place(int dpi) {
  m_look = std::make_unique<AppLook>(dpi);
  for (const ControlRow& row : HistoryControls()) {
    const PixelRect place = TwipsToDevicePixels(row.left, row.top, row.width, row.height, dpi);
    HWND control = Control(row.name);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_look->ControlFont()), FALSE);
    SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(m_window, nullptr, TRUE);
}

void HistoryWindow::Raise() {
  ShowWindow(m_window, SW_SHOW);
  SetForegroundWindow(m_window);
  BringWindowToTop(m_window);
}

HWND HistoryWindow::Control(std::string_view name) const {
  return GetDlgItem(m_window, ControlId(name));
}

HWND HistoryWindow::OfKind(ControlKind kind) const {
  for (const ControlRow& row : HistoryControls()) {
    if (row.kind == kind) return Control(row.name);
  }
  return nullptr;
}

const RecordEntry* HistoryWindow::Chosen() const {
  const LRESULT index = SendMessageW(OfKind(ControlKind::kEntryList), LB_GETCURSEL, 0, 0);
  if (index < 0 || static_cast<std::size_t>(index) >= m_shownIds.size()) return nullptr;
  return m_history.Find(m_shownIds[static_cast<std::size_t>(index)]);
}

void HistoryWindow::Refresh() {
  const RecordEntry* was = Chosen();
  const std::string wasId = was ? was->id : std::string();
  HWND list = OfKind(ControlKind::kEntryList);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  m_shownIds.clear();
  const std::vector<RecordEntry>& entries = m_history.Entries();
  WPARAM chosen = 0;
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    if (entry->id == wasId) chosen = m_shownIds.size();
    m_shownIds.push_back(entry->id);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(EntryLine(*entry).c_str()));
  }
  SendMessageW(list, LB_SETCURSEL, entries.empty() ? static_cast<WPARAM>(-1) : chosen, 0);
  ShowChosen();
}

void HistoryWindow::ShowChosen() {
  const RecordEntry* entry = Chosen();
  SetWindowTextW(OfKind(ControlKind::kTextView),
                 WindowsLines(entry ? EntryPlainText(*entry) : kEmptyHistoryText).c_str());
  for (const ControlRow& row : HistoryControls()) {
    if (NeedsEntry(ActionOf(row.name).action)) EnableWindow(Control(row.name), entry != nullptr);
  }
}

void HistoryWindow::Tell(const std::string& notice) {
  if (!notice.empty()) m_messages.Show(notice);
}

void HistoryWindow::Act(Action action) {
  const RecordEntry* entry = Chosen();
  if (NeedsEntry(action) && !entry) return;
  switch (action) {
    case Action::kRecallEntry:
      m_main.Recall(*entry);
      break;
    case Action::kCopyEntry:
      ResultField::CopyWhole(m_window, WindowsLines(EntryPlainText(*entry)));
      break;
    case Action::kCopyEntryTable:
      ResultField::CopyWhole(m_window, WindowsLines(EntryMarkdown(*entry)));
      break;
    case Action::kCopyEntryLink:
      ResultField::CopyWhole(m_window, Wide(ShareLink(kWebAppUrl, *entry)));
      break;
    case Action::kDeleteEntry: {
      const std::string id = entry->id;
      Tell(m_history.Remove(id));
      Refresh();
      break;
    }
    case Action::kClearHistory:
      if (MessageBoxW(m_window, Wide(kClearHistoryQuestion).c_str(),
                      Wide(kApplicationTitle).c_str(),
                      MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES) {
        Tell(m_history.Clear());
        Refresh();
      }
      break;
    case Action::kExportHistory:
      Export();
      break;
    case Action::kPrintHistory:
      Print();
      break;
    case Action::kCloseHistory:
      DestroyWindow(m_window);
      break;
    default:
      break;
  }
}

void HistoryWindow::Export() {
  std::wstring file = TestHooks::SaveAs();
  if (file.empty()) {
    wchar_t name[MAX_PATH] = L"tallies-history.csv";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = m_window;
    dialog.lpstrFilter = L"CSV (*.csv)\0*.csv\0";
    dialog.lpstrFile = name;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = L"csv";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) return;
    file = name;
  }
  if (!ReplaceFile(std::filesystem::path(file), HistoryCsv(m_history.Entries()))) {
    m_messages.Show("The history could not be saved as \"" + Narrow(file) + "\".");
  }
}

// The worked-calculation sheet, line by line in a 10-point face, a new page when one is full.
void HistoryWindow::Print() {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = m_window;
  dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
  if (!PrintDlgW(&dialog)) return;
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  HDC dc = dialog.hDC;
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  HFONT font = CreateFontW(-MulDiv(10, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial");
  HGDIOBJ oldFont = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int step = metrics.tmHeight + metrics.tmExternalLeading;
  const int margin = dpi / 2;
  const int bottom = GetDeviceCaps(dc, VERTRES) - margin;
  const std::wstring title = Wide(kHistoryTitle);
  const DOCINFOW document{sizeof(DOCINFOW), title.c_str(), nullptr, nullptr, 0};
  bool printed = StartDocW(dc, &document) > 0;
  int y = bottom;  // no page yet
  bool onPage = false;
  for (const std::string& line : WorkedSheetLines(m_history.Entries())) {
    if (!printed) break;
    if (y + step > bottom) {
      printed = (!onPage || EndPage(dc) > 0) && StartPage(dc) > 0;
      onPage = printed;
      y = margin;
    }
    const std::wstring text = Wide(line);
    printed = printed && TextOutW(dc, margin, y, text.c_str(), static_cast<int>(text.size()));
    y += step;
  }
  if (printed && onPage) printed = EndPage(dc) > 0;
  if (printed) printed = EndDoc(dc) > 0;
  else AbortDoc(dc);
  SelectObject(dc, oldFont);
  DeleteObject(font);
  DeleteDC(dc);
  if (!printed) m_messages.Show("The history could not be printed.");
}

LRESULT HistoryWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto answer = HandleLookMessage(m_window, message, wParam, lParam, Background::kDefault,
                                      m_look.get(), [this](int dpi) { Place(dpi); })) {
    return *answer;
  }
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (id == IDCANCEL) {
        Act(Action::kCloseHistory);
      } else if (reinterpret_cast<HWND>(lParam) == OfKind(ControlKind::kEntryList)) {
        if (code == LBN_SELCHANGE) ShowChosen();
        if (code == LBN_DBLCLK) Act(Action::kRecallEntry);
      } else if (code == BN_CLICKED && !ControlName(id).empty()) {
        TestHooks::ThrowIfAsked(ControlName(id));
        Act(ActionOf(ControlName(id)).action);
      }
      return 0;
    }
    case DM_GETDEFID: {
      // Enter presses the focused button, and recalls the chosen entry from the list.
      HWND focus = GetFocus();
      if (focus && GetParent(focus) == m_window &&
          (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON)) {
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
      }
      if (focus == OfKind(ControlKind::kEntryList)) {
        for (const ControlRow& row : HistoryControls()) {
          if (ActionOf(row.name).action == Action::kRecallEntry) {
            return MAKELRESULT(ControlId(row.name), DC_HASDEFID);
          }
        }
      }
      return 0;
    }
    case WM_NEXTDLGCTL: {
      // The dialog manager's moves of the focus: a caption's access key puts it on the caption,
      // then on the control after it.
      HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                   : GetNextDlgTabItem(m_window, GetFocus(), wParam != 0);
      if (target) SetFocus(target);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(
          AppLook::Prepare(reinterpret_cast<HDC>(wParam), Background::kDefault));
    case WM_ACTIVATE:
      // The focus comes back to where it was when the window is activated again.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(m_window, focus)) m_lastFocus = focus;
      } else {
        SetFocus(m_lastFocus ? m_lastFocus : OfKind(ControlKind::kEntryList));
        return 0;
      }
      break;
    case WM_NCDESTROY: {
      // The main window lets the object go at the next showing, which builds the window anew.
      HWND window = m_window;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      m_window = nullptr;
      return DefWindowProcW(window, message, wParam, lParam);
    }
  }
  return DefWindowProcW(m_window, message, wParam, lParam);
}

}  // namespace tallies
