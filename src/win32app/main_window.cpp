#include "win32app/main_window.h"

#include <algorithm>

#include "layout/control_ids.h"
#include "layout/window_model.h"
#include "record/history_keeper.h"
#include "resource_ids.h"
#include "settings/units_setting.h"
#include "win32app/checked_window.h"
#include "win32app/control_factory.h"
#include "win32app/history_window.h"
#include "win32app/core/dpi_scale.h"
#include "win32app/result_field.h"
#include "win32app/system_dpi.h"
#include "win32app/win32_text.h"
#include "win32app/window_proc.h"
#include "window/formulas.h"
#include "window/units_switch.h"
#include "window/window_bindings.h"

namespace tallies {
namespace {

// A fixed single border: title bar with a close box, no minimise or maximise box, no resizing.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;

// Entries a gauge list shows at once when it drops down.
constexpr int kVisibleListEntries = 12;

std::string UserDecimalSeparator() {
  wchar_t separator[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 1) return ".";
  return Narrow(separator);
}

// The client rectangle of the window's first position on a monitor of `dpi`.
RECT FirstClientRect(int dpi) {
  const PixelRect place = TwipsToDevicePixels(kMainWindowLeft, kMainWindowTop, kMainWindowWidth,
                                              kMainWindowHeight, dpi);
  return {place.left, place.top, place.left + place.width, place.top + place.height};
}

}  // namespace

const wchar_t* MainWindow::ClassName() {
  static const std::wstring name = Wide(kMainWindowName);
  return name.c_str();
}

void MainWindow::RegisterClass(HINSTANCE instance) {
  RegisterClassChecked(instance, ClassName(), &ForwardToOwner<MainWindow>, true);
}

MainWindow::MainWindow(HINSTANCE instance, WindowHost& host)
    : m_instance(instance), m_host(host), m_decimalSeparator(UserDecimalSeparator()) {
  const int dpi = SystemDpi::ForSystem();
  const RECT frame =
      SystemDpi::WindowRectFor(FirstClientRect(dpi), kWindowStyle, kWindowExStyle, dpi);
  const std::wstring title = Wide(MainWindowTitle());
  CreateWindowChecked(kWindowExStyle, ClassName(), title.c_str(), kWindowStyle, frame.left,
                      frame.top, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                      nullptr, instance, this);
  m_messages = Win32MessageBox(m_window);
  try {
    Build();
  } catch (...) {
    // A half-built window is no window to show: it goes, and the failure goes on to the caller.
    DestroyDetached(m_window);
    throw;
  }
  // The window may have opened on a monitor of another DPI than the primary one.
  const int windowDpi = SystemDpi::ForWindow(m_window);
  if (windowDpi != dpi) {
    const RECT adjusted = SystemDpi::WindowRectFor(FirstClientRect(windowDpi), kWindowStyle,
                                                   kWindowExStyle, windowDpi);
    SetWindowPos(m_window, nullptr, adjusted.left, adjusted.top, adjusted.right - adjusted.left,
                 adjusted.bottom - adjusted.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ApplyLook(windowDpi);
  // The window opens in its first view, the focus on the view's tab set.
  SwitchView(Views().front());
  m_lastFocus = TabSetNamed(InitialFocus())->Window();
}

MainWindow::~MainWindow() {
  m_historyWindow.reset();
  DestroyDetached(m_window);
}

void MainWindow::Build() {
  // The tooltips come first: each result keeps its tooltip up to date from its first text on.
  m_tips = std::make_unique<ToolTips>(m_window, m_instance);
  BuildRows(WindowControls(), m_window, nullptr);
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      TabSet* holder = TabSetNamed(page.tabSet);
      BuildRows(page.controls, holder->Page(page.tab), holder);
    }
  }
  std::vector<HWND> order;
  for (const ControlRow* row : MainWindowFocusOrder()) {
    if (const Item* item = Find(row->name)) order.push_back(item->window);
  }
  m_focus.SetOrder(std::move(order));
}

// Builds the controls of one table on `parent`, in keyboard order, so the order of the child
// windows (which the dialog manager follows) is the keyboard order as well.
void MainWindow::BuildRows(std::span<const ControlRow> rows, HWND parent, TabSet* holder) {
  for (const ControlRow* row : InTabOrder(rows)) {
    const int id = ControlId(row->name);
    HWND window = nullptr;
    if (row->kind == ControlKind::kTabSet) {
      if (const TabSetLayout* layout = tallies::FindTabSet(row->name)) {
        m_tabSets.push_back(std::make_unique<TabSet>(*layout, id, parent, m_instance));
        window = m_tabSets.back()->Window();
      }
    } else {
      window = ControlFactory::Create(*row, id, parent, m_instance);
    }
    if (!window) continue;
    m_items.push_back({row, window, holder});
    Describe(m_items.back());
  }
}

void MainWindow::Describe(const Item& item) {
  const ControlRow& row = *item.row;
  if (row.kind == ControlKind::kResult) {
    ResultField::Attach(item.window, m_decimalSeparator,
                        [this](HWND field, const std::wstring& result) {
                          m_tips->SetText(field, result);
                          m_accessible.SetValue(field, result);
                        });
    m_tips->Add(item.window, Wide(InitialText(row)));
  } else if (row.kind == ControlKind::kLinkLabel) {
    m_accessible.SetLinkRole(item.window);
  }
  // A field, list or result is named by its caption as shown, never by its own text.
  if (!CaptionOf(row.name).empty()) {
    m_accessible.SetName(item.window, Wide(ShownCaption(CaptionTextOf(row.name))));
  }
  if (ActionOf(row.name).action == Action::kCalculate) {
    m_tips->Add(item.window, {});
    ShowFormula(item);
  }
}

void MainWindow::ShowFormula(const Item& item) {
  const std::wstring formula = Wide(FormulaOf(item.row->name, m_units));
  m_tips->SetText(item.window, formula);
  m_accessible.SetDescription(item.window, formula);
}

void MainWindow::UseSettings(SettingsStore& store) {
  m_settings = &store;
  SetUnits(LoadUnits(store));
}

void MainWindow::UseHistory(HistoryKeeper& history) {
  m_history = &history;
  if (const std::string notice = history.Load(); !notice.empty()) m_messages.Show(notice);
}

HistoryWindow* MainWindow::OpenHistory() const {
  return m_historyWindow && m_historyWindow->Window() ? m_historyWindow.get() : nullptr;
}

void MainWindow::ShowHistory() {
  if (!m_history) return;
  if (!OpenHistory()) {
    m_historyWindow.reset();
    m_historyWindow = std::make_unique<HistoryWindow>(m_instance, *this, *m_history);
  }
  m_historyWindow->Raise();
}

void MainWindow::Recall(const RecordEntry& entry) {
  SetUnits(entry.units);
  const ControlPlace place = PlaceOf(entry.calculator);
  if (place.view) SwitchView(*place.view);
  for (const TabChoice& choice : place.tabs) TabSetNamed(choice.tabSet)->Select(choice.tab);
  for (const RecordedValue& input : entry.inputs) {
    const Item* item = Find(input.control);
    if (item && item->row->kind == ControlKind::kList) {
      ControlFactory::SelectEntry(item->window, input.text);
      if (TakesTypedText(input.control)) SetWindowTextUtf8(item->window, input.text);
    } else {
      SetText(input.control, input.text);
    }
  }
  SetForegroundWindow(m_window);
  if (const Item* calc = Find(entry.calculator)) SetFocus(calc->window);
}

void MainWindow::SetUnits(UnitSystem units) {
  if (units != m_units) {
    SwitchUnits(*this, m_units, units);
    m_units = units;
    for (const Item& item : m_items) {
      if (ActionOf(item.row->name).action == Action::kCalculate) ShowFormula(item);
    }
  }
  for (const Item& item : m_items) {
    if (ActionOf(item.row->name).action == Action::kChooseUnits) {
      ControlFactory::SelectEntry(item.window, UnitsEntry(m_units));
    }
  }
}

void MainWindow::ApplyLook(int dpi) {
  m_look = std::make_unique<AppLook>(dpi);
  m_tips->SetDpi(dpi);
  m_artwork.clear();
  for (const Item& item : m_items) {
    if (item.row->kind == ControlKind::kPicture) {
      m_artwork.emplace(item.row->name, std::make_unique<Artwork>(item.row->picture, dpi));
    }
  }
  // A tab set is always listed before the controls of its pages, so its pages are placed
  // before anything is put on them.
  for (const Item& item : m_items) PlaceItem(item);
  InvalidateRect(m_window, nullptr, TRUE);
}

void MainWindow::PlaceItem(const Item& item) {
  const ControlRow& row = *item.row;
  const int dpi = m_look->Dpi();
  PixelRect place = TwipsToDevicePixels(row.left, row.top, row.width, row.height, dpi);
  if (item.holder) {
    place.left -= item.holder->PageOrigin().x;
    place.top -= item.holder->PageOrigin().y;
  }
  const RECT rect{place.left, place.top, place.left + place.width, place.top + place.height};
  if (row.kind == ControlKind::kTabSet) {
    FindTabSet(item.window)->Place(rect, m_look->ControlFont(), dpi);
    return;
  }
  if (row.kind == ControlKind::kResult) {
    // A result chooses among the faces the one its text fits in, and fits again once sized.
    ResultField::SetFonts(item.window, m_look->ResultFonts());
  } else {
    HFONT font = row.kind == ControlKind::kLinkLabel ? m_look->LinkFont() : m_look->ControlFont();
    SendMessageW(item.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  int height = place.height;
  if (row.kind == ControlKind::kList) {
    // A combo box's height includes its drop-down part; the design's is the closed list's.
    const auto entryHeight = static_cast<int>(SendMessageW(item.window, CB_GETITEMHEIGHT, 0, 0));
    height += kVisibleListEntries * entryHeight + 2;
  }
  SetWindowPos(item.window, nullptr, place.left, place.top, place.width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  FitCaption(item);
}

void MainWindow::FitCaption(const Item& item) const {
  const ControlKind kind = item.row->kind;
  if (kind != ControlKind::kCaption && kind != ControlKind::kOptionButton) return;
  HFONT font = m_look->CaptionFace(item.window, kind, WrapsText(*item.row));
  SendMessageW(item.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

const MainWindow::Item* MainWindow::Find(std::string_view name) const {
  for (const Item& item : m_items) {
    if (item.row->name == name) return &item;
  }
  return nullptr;
}

const MainWindow::Item* MainWindow::FindById(int id) const {
  for (const Item& item : m_items) {
    if (GetDlgCtrlID(item.window) == id) return &item;
  }
  return nullptr;
}

TabSet* MainWindow::FindTabSet(HWND window) const {
  for (const auto& set : m_tabSets) {
    if (set->Window() == window) return set.get();
  }
  return nullptr;
}

TabSet* MainWindow::TabSetNamed(std::string_view name) const {
  for (const auto& set : m_tabSets) {
    if (set->Layout().name == name) return set.get();
  }
  return nullptr;
}

std::string MainWindow::Text(std::string_view control) const {
  const Item* item = Find(control);
  if (!item) return {};
  // A result's window holds what fits; the result itself is kept whole beside it.
  if (item->row->kind == ControlKind::kResult) return Narrow(ResultField::Result(item->window));
  return WindowText(item->window);
}

void MainWindow::SetText(std::string_view control, std::string_view text) {
  const Item* item = Find(control);
  if (item && item->row->kind == ControlKind::kField) SetWindowTextUtf8(item->window, text);
}

void MainWindow::SetCaption(std::string_view control, std::string_view caption) {
  const Item* item = Find(control);
  if (!item) return;
  const ControlKind kind = item->row->kind;
  if (kind == ControlKind::kCaption || kind == ControlKind::kResult ||
      kind == ControlKind::kLinkLabel) {
    SetWindowTextUtf8(item->window, caption);
    FitCaption(*item);
  }
  // What a caption names is spoken by the caption as it is now.
  if (kind != ControlKind::kCaption) return;
  for (const Item& named : m_items) {
    if (CaptionOf(named.row->name) == control) {
      m_accessible.SetName(named.window, Wide(ShownCaption(caption)));
    }
  }
}

}  // namespace tallies
