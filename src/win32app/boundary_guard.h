#pragma once

#include "win32app/windows_headers.h"

namespace tallies {

// Reports the exception being handled; call only inside a catch block. The report goes to
// standard error as one line and, where a window can show it, into the program's message box
// (title "Tallies", OK only) owned by `window`'s top-level window. Not in a box while another
// report is showing (a fault that repeats would open box after box), nor for a window being
// destroyed. A window that Windows would not make cannot be done without: the report then says
// the program closes, and the answer is true: the caller ends the program.
bool ReportCaughtException(HWND window, UINT message) noexcept;

// What a window procedure answers when its handler failed: creation refused for the creation
// messages, the window's area taken as drawn for WM_PAINT (or the failed drawing would be asked
// for again at once, and fail again), 0 otherwise.
LRESULT AnswerAfterFault(HWND window, UINT message) noexcept;

// Ends the message loop with kFailureExitCode.
void EndProgramAfterFailure() noexcept;

// The one guard where Windows calls into the program's C++ (window procedures, subclass
// procedures): runs `handle`, and reports whatever escapes it instead of letting it reach
// Windows, which knows nothing of C++ exceptions. An action that failed leaves the window
// working; a window that could not be made ends the program's message loop with
// kFailureExitCode.
template <typename Handler>
LRESULT GuardBoundary(HWND window, UINT message, Handler&& handle) noexcept {
  try {
    return handle();
  } catch (...) {
    if (ReportCaughtException(window, message)) EndProgramAfterFailure();
  }
  return AnswerAfterFault(window, message);
}

}  // namespace tallies
