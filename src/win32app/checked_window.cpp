#include "win32app/checked_window.h"

#include <cstdint>
#include <system_error>

#include "platform/win32/win32_error.h"
#include "resource_ids.h"
#include "win32app/test_hooks.h"
#include "win32app/win32_text.h"

namespace tallies {
namespace {

std::string NameOf(const wchar_t* className) {
  if (IS_INTRESOURCE(className)) {
    // A class given by its atom, written as Windows writes one ("#32770").
    std::string name(1, '#');
    name += std::to_string(reinterpret_cast<std::uintptr_t>(className));
    return name;
  }
  return Narrow(className);
}

}  // namespace

WindowCreationFailed::WindowCreationFailed(std::string windowClass, DWORD error)
    : std::runtime_error("Windows did not create a \"" + windowClass + "\" window"),
      m_class(std::move(windowClass)),
      m_error(error) {}

std::string WindowCreationFailed::Reason() const {
  if (m_error == 0) return {};
  return std::error_code(static_cast<int>(m_error), Win32ErrorCategory()).message();
}

HWND CreateWindowChecked(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                         int x, int y, int width, int height, HWND parent, HMENU menu,
                         HINSTANCE instance, void* parameter) {
  if (TestHooks::RefuseCreation(className)) {
    // What Windows says when its window resources run out.
    throw WindowCreationFailed(NameOf(className), ERROR_NOT_ENOUGH_MEMORY);
  }
  SetLastError(0);
  HWND window = CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menu,
                                instance, parameter);
  if (!window) throw WindowCreationFailed(NameOf(className), GetLastError());
  return window;
}

void RegisterClassChecked(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                          bool withIcon) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  if (withIcon) {
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_TALLIES));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_TALLIES), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  }
  if (!RegisterClassExW(&windowClass)) {
    throw WindowCreationFailed(NameOf(windowClass.lpszClassName), GetLastError());
  }
}

}  // namespace tallies
