#pragma once

#include <string>
#include <string_view>

#include "win32app/windows_headers.h"

namespace tallies {

// Faults a test run can ask for, so the window tests can see the program's guards at work. Each
// is read once from the environment, at the first question; with its variable unset it does
// nothing at all.
//   TALLIES_TEST_FAIL_CREATION="<window class>[:<n>]"  the n-th window of that class is refused
//   TALLIES_TEST_THROW_ON="<control name>"              the first click of that control throws
//   TALLIES_TEST_HISTORY_FOLDER="<folder>"              the history is kept there
//   TALLIES_TEST_SAVE_AS="<file>"                        a file to save is saved there, unasked
class TestHooks {
 public:
  // True when this creation of a window of `className` is the one to refuse.
  static bool RefuseCreation(const wchar_t* className);
  // Throws std::runtime_error when `control` is the one named and has not thrown before.
  static void ThrowIfAsked(std::string_view control);
  // The folder or file asked for in place of the user's, empty when none is.
  static std::wstring HistoryFolder();
  static std::wstring SaveAs();
};

}  // namespace tallies
