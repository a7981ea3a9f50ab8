#pragma once

#include <string_view>

#include "layout/control_layout.h"
#include "win32app/windows_headers.h"

namespace tallies {

// Creates the standard Windows control for one row of a layout table (any kind but a tab set),
// as a child of `parent` with the child-window ID `id`: fields are edits, results read-only
// edits (given their behaviour by ResultField), captions statics, buttons push buttons, the option
// buttons auto radio buttons, lists drop-down combo boxes filled with their entries (with a text
// part where they take typed text, else showing the designed entry), pictures owner-drawn statics
// and the link label a static with the link's behaviour. Place and font are set later, by the
// window's layout. WindowCreationFailed should Windows refuse it.
class ControlFactory {
 public:
  static HWND Create(const ControlRow& row, int id, HWND parent, HINSTANCE instance);
  // Selects a list's entry of that text; none is selected when it offers none such.
  static void SelectEntry(HWND list, std::string_view entry);
};

}  // namespace tallies
