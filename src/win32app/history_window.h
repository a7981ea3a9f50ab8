#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/win32_message_box.h"
#include "record/history_keeper.h"
#include "win32app/app_look.h"
#include "win32app/focus_cycle.h"
#include "win32app/windows_headers.h"
#include "window/window_bindings.h"

namespace tallies {

class MainWindow;

// frmHistory on Windows: the entries of the record, newest first, the chosen one in full, and
// the buttons of the model's History window. Modeless and owned by the main window, which keeps
// one at a time and tells it when the history changes.
class HistoryWindow {
 public:
  static const wchar_t* ClassName();
  static void RegisterClass(HINSTANCE instance);

  // Builds the window, not yet shown. Should Windows refuse it or a control on it, nothing is
  // left of it and WindowCreationFailed says which.
  HistoryWindow(HINSTANCE instance, MainWindow& main, HistoryKeeper& history);
  ~HistoryWindow();
  HistoryWindow(const HistoryWindow&) = delete;
  HistoryWindow& operator=(const HistoryWindow&) = delete;

  // The window, or none once it is closed.
  HWND Window() const { return m_window; }
  const FocusCycle& Focus() const { return m_focus; }
  // Shows the window and brings it to the front.
  void Raise();
  // Shows the entries as the history holds them now, keeping the chosen one where it still is.
  void Refresh();

 private:
  template <typename Owner>
  friend LRESULT CALLBACK ForwardToOwner(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Build();
  void Place(int dpi);
  HWND Control(std::string_view name) const;
  HWND OfKind(ControlKind kind) const;
  const RecordEntry* Chosen() const;
  void ShowChosen();
  void Act(Action action);
  void Tell(const std::string& notice);
  void Export();
  void Print();

  HINSTANCE m_instance;
  MainWindow& m_main;
  HistoryKeeper& m_history;
  HWND m_window = nullptr;
  Win32MessageBox m_messages;
  std::unique_ptr<AppLook> m_look;
  FocusCycle m_focus;
  HWND m_lastFocus = nullptr;
  std::vector<std::string> m_shownIds;  // the list's entries' ids, in list order
};

}  // namespace tallies
