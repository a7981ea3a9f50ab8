#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/calculator.h"
#include "controls/controls.h"
#include "layout/control_layout.h"
#include "layout/window_model.h"
#include "numeric/unit_system.h"
#include "platform/win32/win32_message_box.h"
#include "win32app/accessible_annotations.h"
#include "win32app/app_look.h"
#include "win32app/artwork.h"
#include "win32app/focus_cycle.h"
#include "win32app/tab_set.h"
#include "win32app/tool_tips.h"
#include "win32app/window_host.h"
#include "win32app/windows_headers.h"

namespace tallies {

class HistoryKeeper;
class HistoryWindow;
class SettingsStore;
struct RecordEntry;

// frmMain on Windows: banner, link label, About button, the two view options and the three
// tab sets with every page, each control built from the layout tables with the control ID of
// its name. It is the Controls that every calculator works through.
class MainWindow : public Controls {
 public:
  // The window class, named after the window, which a test driver looks for.
  static const wchar_t* ClassName();

  static void RegisterClass(HINSTANCE instance);
  // Creates the window at its first position, in the hydraulic view; not yet shown. Should
  // Windows refuse the window or any control on it, nothing is left of it and
  // WindowCreationFailed says which.
  MainWindow(HINSTANCE instance, WindowHost& host);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // The window, or none once it is closed.
  HWND Window() const { return m_window; }
  const FocusCycle& Focus() const { return m_focus; }

  // The window keeps its units choice in `store`: it takes the stored one now (US when none can
  // be read) and stores every choice made in the units list.
  void UseSettings(SettingsStore& store);

  // The record of calculations: every Calc that runs to its end, and every gauge chosen, adds an
  // entry to `history` (read now; what the user must be told about it is shown).
  void UseHistory(HistoryKeeper& history);
  // The History button: shows the one History window, built when none is open.
  void ShowHistory();
  // The History window while it is open, else none.
  HistoryWindow* OpenHistory() const;
  // Shows an entry's calculator in the entry's units with its inputs put back, the focus on its
  // Calc button (or list), the window in front.
  void Recall(const RecordEntry& entry);

  // Alt and a caption's access key put the focus on the control the caption names; true when
  // the message was one of those.
  bool HandleAccessKey(const MSG& message);

  // Controls
  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, std::string_view text) override;
  void SetCaption(std::string_view control, std::string_view caption) override;
  std::string DecimalSeparator() const override { return m_decimalSeparator; }

 private:
  // One control of the window and the tab set whose page holds it (none on the window itself).
  struct Item {
    const ControlRow* row;
    HWND window;
    TabSet* holder;
  };

  template <typename Owner>
  friend LRESULT CALLBACK ForwardToOwner(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  void Build();
  void BuildRows(std::span<const ControlRow> rows, HWND parent, TabSet* holder);
  // Tooltips and what a screen reader is told beyond the controls' own texts: each Calc
  // button's and list's formula, each captioned control's caption as its name, each result's
  // whole text, the link's role.
  void Describe(const Item& item);
  // A Calc button's or list's formula in the window's units, as its tooltip and description.
  void ShowFormula(const Item& item);
  // The units the window speaks (SwitchUnits): the fields converted, the results that change
  // unit cleared, the captions, formulas and calculators the system's; the units list shows it.
  void SetUnits(UnitSystem units);
  void ApplyLook(int dpi);
  void PlaceItem(const Item& item);
  // A caption or option button in the face its text is whole in (AppLook::CaptionFace).
  void FitCaption(const Item& item) const;
  const Item* Find(std::string_view name) const;
  const Item* FindById(int id) const;
  TabSet* FindTabSet(HWND window) const;
  TabSet* TabSetNamed(std::string_view name) const;
  // Selects the view's option and shows its tab set alone.
  void SwitchView(const ViewLayout& view);
  // The link label's click: opens the project's web site.
  void OpenSite();
  // A Calc button's click or a list's choice: runs the calculator of the control `source`.
  void Run(const Calculator& calculator, const Item& source);


  bool OnCommand(int id, int code);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  LRESULT OnColour(HDC dc, HWND control);

  HINSTANCE m_instance;
  WindowHost& m_host;
  HWND m_window = nullptr;
  std::unique_ptr<AppLook> m_look;
  std::unique_ptr<ToolTips> m_tips;
  AccessibleAnnotations m_accessible;
  Win32MessageBox m_messages;
  std::string m_decimalSeparator;
  std::vector<Item> m_items;
  std::vector<std::unique_ptr<TabSet>> m_tabSets;
  std::map<std::string_view, std::unique_ptr<Artwork>, std::less<>> m_artwork;
  FocusCycle m_focus;
  HWND m_lastFocus = nullptr;
  UnitSystem m_units = UnitSystem::kUS;
  SettingsStore* m_settings = nullptr;
  HistoryKeeper* m_history = nullptr;
  std::unique_ptr<HistoryWindow> m_historyWindow;
};

}  // namespace tallies
