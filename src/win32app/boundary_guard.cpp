#include "win32app/boundary_guard.h"

#include <string>

#include "config/app_config.h"
#include "platform/failure_info.h"
#include "win32app/checked_window.h"
#include "controls/fault_texts.h"
#include "win32app/win32_text.h"

namespace tallies {
namespace {

// A report is being shown: its message box runs a message loop of its own, in which the same
// fault may strike again.
bool s_reporting = false;

void WriteStandardError(std::string_view line) noexcept {
  HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  if (!error || error == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  WriteFile(error, "\r\n", 2, &written, nullptr);
}

bool BeingDestroyed(UINT message) { return message == WM_DESTROY || message == WM_NCDESTROY; }

}  // namespace

bool ReportCaughtException(HWND window, UINT message) noexcept {
  try {
    bool fatal = false;
    std::string text;
    try {
      throw;
    } catch (const WindowCreationFailed& failure) {
      fatal = true;
      text = CreationFailureText(failure.WindowClass(), failure.Reason());
    } catch (...) {
      text = UnexpectedFaultText(DescribeCurrentFailure().description);
    }
    WriteStandardError(AsLogLine(text));
    if (!s_reporting && !BeingDestroyed(message)) {
      s_reporting = true;
      HWND owner = window && IsWindow(window) ? GetAncestor(window, GA_ROOT) : nullptr;
      // Should the box not show (no memory, the desktop going away), the line above stays.
      MessageBoxW(owner, Wide(text).c_str(), Wide(kApplicationTitle).c_str(), MB_OK);
      s_reporting = false;
    }
    return fatal;
  } catch (...) {
    // Not even the report's text could be made (no memory for it): a fixed line says that much,
    // and the program goes on as it would have.
    WriteStandardError("Tallies: an action failed, and so did its report.");
    s_reporting = false;
    return false;
  }
}

LRESULT AnswerAfterFault(HWND window, UINT message) noexcept {
  switch (message) {
    case WM_NCCREATE:
      return FALSE;
    case WM_CREATE:
      return -1;
    case WM_PAINT:
      ValidateRect(window, nullptr);
      return 0;
  }
  return 0;
}

void EndProgramAfterFailure() noexcept { PostQuitMessage(kFailureExitCode); }

}  // namespace tallies
