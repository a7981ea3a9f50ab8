#include "win32app/application.h"

#include "win32app/page_window.h"

namespace tallies {

Application::Application(HINSTANCE instance) : m_instance(instance), m_hiddenOwner(instance) {
  MainWindow::RegisterClass(instance);
  AboutBox::RegisterClass(instance);
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
