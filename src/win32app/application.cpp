#include "win32app/application.h"

#include <shlobj.h>

#include "layout/control_ids.h"
#include "layout/history_layout.h"
#include "win32app/history_window.h"
#include "win32app/page_window.h"
#include "win32app/test_hooks.h"
#include "window/window_bindings.h"

namespace tallies {
namespace {

// The history's folder: Tallies in the user's local application data, as a wide path so that
// any user name works; none when the system has no such folder (the history then lasts as long
// as the program).
std::optional<HistoryFile> UserHistoryFile() {
  std::filesystem::path folder = TestHooks::HistoryFolder();
  if (folder.empty()) {
    PWSTR data = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &data))) {
      folder = std::filesystem::path(data) / L"Tallies";
    }
    CoTaskMemFree(data);
  }
  if (folder.empty()) return std::nullopt;
  return HistoryFile(folder);
}

// The key that with Ctrl makes kHistoryShortcut.
constexpr WPARAM kHistoryKey = kHistoryShortcut.back();
static_assert(kHistoryShortcut.starts_with("Ctrl+") && kHistoryShortcut.size() == 6);

}  // namespace

Application::Application(HINSTANCE instance)
    : m_instance(instance), m_hiddenOwner(instance), m_history(UserHistoryFile()) {
  MainWindow::RegisterClass(instance);
  AboutBox::RegisterClass(instance);
  HistoryWindow::RegisterClass(instance);
  RegisterPageClass(instance);
}

Application::~Application() {
  // The About box before its owner, which the members' order takes care of; the main window
  // and the box before COM goes, which the caller sees to.
  m_about.reset();
  m_main.reset();
}

int Application::Run(int showCommand) {
  m_main = std::make_unique<MainWindow>(m_instance, *this);
  m_main->UseSettings(m_settings);
  ShowWindow(m_main->Window(), showCommand);
  UpdateWindow(m_main->Window());
  // What the user must be told of the history shows over the window.
  m_main->UseHistory(m_history);

  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    if (!HandleKeyboard(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    ForgetClosedAbout();
  }
  // GetMessage fails only for a bad argument; the loop is then no loop to stay in.
  if (got < 0) return 1;
  return static_cast<int>(message.wParam);
}

bool Application::HandleKeyboard(MSG& message) {
  // Each window's keyboard interface: Tab in the window's keyboard order, Enter, Esc, the
  // arrow keys in the option pair, the main window's and the About box's access keys.
  HWND about = m_about ? m_about->Window() : nullptr;
  if (about && (message.hwnd == about || IsChild(about, message.hwnd)) &&
      IsDialogMessageW(about, &message)) {
    return true;
  }
  HWND main = m_main->Window();
  HistoryWindow* history = m_main->OpenHistory();
  HWND historyWindow = history ? history->Window() : nullptr;
  // Ctrl+H, in the main window or the History window, presses the History button.
  if (main && message.message == WM_KEYDOWN && message.wParam == kHistoryKey &&
      GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0 &&
      (IsChild(main, message.hwnd) || message.hwnd == main ||
       (historyWindow && GetAncestor(message.hwnd, GA_ROOT) == historyWindow))) {
    int id = 0;
    for (const ControlRow& row : WindowControls()) {
      if (ActionOf(row.name).action == Action::kShowHistory) id = ControlId(row.name);
    }
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(main, id)));
    return true;
  }
  if (historyWindow && GetAncestor(message.hwnd, GA_ROOT) == historyWindow) {
    return history->Focus().HandleTabKey(historyWindow, message) ||
           IsDialogMessageW(historyWindow, &message);
  }
  if (main && (m_main->Focus().HandleTabKey(main, message) || m_main->HandleAccessKey(message))) {
    return true;
  }
  return main && IsDialogMessageW(main, &message);
}

void Application::ShowAbout() {
  ForgetClosedAbout();
  if (!m_about) m_about = std::make_unique<AboutBox>(m_instance, m_hiddenOwner.Window(), *this);
  m_about->Raise();
}

void Application::WindowClosed() {
  if (!AnyWindowOpen()) PostQuitMessage(0);
}

void Application::ForgetClosedAbout() {
  if (m_about && !m_about->Window()) m_about.reset();
}

bool Application::AnyWindowOpen() const {
  return (m_main && m_main->Window()) || (m_about && m_about->Window());
}

}  // namespace tallies
