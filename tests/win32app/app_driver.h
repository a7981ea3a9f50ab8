#pragma once

#include <windows.h>

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallies::gui {

using Milliseconds = std::chrono::milliseconds;

// Drives a running tallies.exe from another process, through window messages only, the way a
// user's clicks and typing reach it. Controls are found by their control ID, ControlId(name);
// every wait polls in small steps and gives up after a bounded time, so a program that hangs
// fails a test instead of stopping the run.
class AppDriver {
 public:
  // How to start the program beyond the usual.
  struct StartOptions {
    // Environment variables set for the program alone (its test hooks).
    std::vector<std::pair<std::wstring, std::wstring>> environment;
    // Whether Start waits for the main window; without it the driver is returned at once.
    bool waitForMainWindow = true;
  };

  // Starts the program and waits for its main window. Returns nullptr, with the reason in
  // `error`, when it cannot be started or shows no main window in time.
  static std::unique_ptr<AppDriver> Start(std::string& error);
  static std::unique_ptr<AppDriver> Start(std::string& error, const StartOptions& options);
  ~AppDriver();
  AppDriver(const AppDriver&) = delete;
  AppDriver& operator=(const AppDriver&) = delete;

  HWND mainWindow() const { return m_main; }
  DWORD processId() const { return m_processId; }
  bool IsRunning() const;
  // Waits for the process to end; true when it did.
  bool WaitForExit(Milliseconds timeout) const;
  // The program's exit code once it has ended.
  std::optional<DWORD> ExitCode() const;
  // What the program has written to its standard error so far (a pipe of the driver's).
  std::string StandardError();

  // Top-level windows of the program of this window class (and, when given, this title).
  std::vector<HWND> TopLevelWindows(const wchar_t* className, const wchar_t* title = nullptr) const;
  HWND WaitForTopLevel(const wchar_t* className, const wchar_t* title, Milliseconds timeout) const;
  static bool WaitUntilGone(HWND window, Milliseconds timeout);

  // The named control of the main window (nullptr when the window has none).
  HWND Control(std::string_view name);
  // Every descendant of `top` by control ID; the parts a combo box makes for itself (its edit
  // field carries ID 1001) are left out.
  static std::multimap<int, HWND> WindowsById(HWND top);
  static std::vector<HWND> WindowsWithId(HWND top, int id);
  static HWND FindIn(HWND top, std::string_view name);

  static std::string TextOf(HWND window);
  static std::string ClassOf(HWND window);
  // What the control shows (a result drawn shortened shows its shortened form).
  std::string Text(std::string_view name);
  // What the control holds: for a result the whole result, read from its tooltip, which the
  // program keeps equal to it; for any other control its text.
  std::string WholeText(std::string_view name);
  bool SetText(std::string_view name, std::string_view text);
  bool IsVisible(std::string_view name);
  bool IsChecked(std::string_view name);

  // BM_CLICK, waiting until the handler has run. False when the control is missing or the
  // handler did not return in time (for example because it opened a message box).
  bool Click(std::string_view name);
  static bool ClickWindow(HWND button);
  // BM_CLICK without waiting, for a click that is to open a message box.
  bool PostClick(std::string_view name);

  // Tab sets: select a tab as a click on it would (TCM_SETCURFOCUS), read the current one.
  bool SelectTab(std::string_view tabSet, int index);
  int CurrentTab(std::string_view tabSet);
  int TabCount(std::string_view tabSet);
  std::string TabCaption(std::string_view tabSet, int index);
  // Shows a page: the view option of its tab set, the tab holding a nested tab set, the tab.
  bool ShowPage(std::string_view tabSet, int index);

  // Gauge lists: choose an entry as the drop-down part reports it (CB_SETCURSEL, then
  // CBN_SELCHANGE to the list's parent); type into the text part as keystrokes would.
  bool ChooseListEntry(std::string_view list, std::string_view entry);
  bool TypeIntoList(std::string_view list, std::string_view text);
  int ListSelection(std::string_view list);
  int ListCount(std::string_view list);
  std::string ListEntry(std::string_view list, int index);

  // The keyboard, through the program's own message loop. Focus puts the focus on a control as
  // the program itself moves it (WM_NEXTDLGCTL to the main window) and waits until it is there;
  // a key press is posted to the focused window as the system queues one, WM_KEYDOWN then
  // WM_KEYUP. The modifier keys cannot be held down this way: Ctrl+C is sent as the character
  // the system translates it to.
  HWND FocusedWindow() const;
  bool Focus(std::string_view name);
  bool PressKey(UINT virtualKey);
  bool PressCopyKey();
  // Alt and a letter, as the system character TranslateMessage makes of them.
  bool PressAccessKey(wchar_t letter);
  // The focused window once it is no longer `from` (nullptr when it stays there).
  HWND WaitForFocusToLeave(HWND from, Milliseconds timeout) const;

  // The text of the program's tooltip for a control; none when no tooltip knows the control.
  std::optional<std::string> ToolTipText(HWND control);

  // The clipboard, which the program writes on a copy.
  static bool EmptyClipboard();
  static std::optional<std::string> WaitForClipboardText(Milliseconds timeout);

  // Message boxes of the program: "#32770" windows titled "Tallies".
  HWND WaitForMessageBox(Milliseconds timeout) const;
  static std::string MessageBoxText(HWND box);
  static std::vector<std::string> VisibleButtonTexts(HWND box);
  static bool CloseMessageBox(HWND box);
  // Closes whatever message boxes and About boxes are open; returns how many there were.
  int CloseDialogs();

 private:
  AppDriver(HANDLE process, DWORD processId, HWND main);
  HWND m_main;
  HANDLE m_process;
  DWORD m_processId;
  HANDLE m_standardError = nullptr;  // the pipe's reading end
  std::string m_errorText;
  std::map<int, HWND> m_found;
};

// The accessibility events of one kind that a program sends (SetWinEventHook out of context,
// for that process only), as a screen reader receives them. They arrive as messages to this
// thread: Pump handles them while it waits.
class WinEventWatch {
 public:
  struct Event {
    HWND window;
    LONG object;
    LONG child;
  };

  WinEventWatch(DWORD event, DWORD processId);
  ~WinEventWatch();
  WinEventWatch(const WinEventWatch&) = delete;
  WinEventWatch& operator=(const WinEventWatch&) = delete;

  bool Watching() const { return m_hook != nullptr; }
  // Handles this thread's messages until `done` holds (true) or the time is up (false).
  template <typename Done>
  bool PumpUntil(Done done, Milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
      PumpOnce();
      if (done()) return true;
    } while (std::chrono::steady_clock::now() < deadline);
    return false;
  }
  // Handles this thread's messages for `duration`.
  void Pump(Milliseconds duration) {
    PumpUntil([] { return false; }, duration);
  }
  // The events seen so far (one watch at a time: the hook's callback has no context).
  const std::vector<Event>& Events() const;

 private:
  static void PumpOnce();
  HWINEVENTHOOK m_hook = nullptr;
};

// A control's accessible object as a screen reader gets it from its window
// (AccessibleObjectFromWindow): its description and role, none when it has none. COM is
// initialised for the call.
std::optional<std::string> AccessibleDescription(HWND control);
std::optional<long> AccessibleRole(HWND control);

}  // namespace tallies::gui
