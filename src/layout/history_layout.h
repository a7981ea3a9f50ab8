#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "layout/control_layout.h"

namespace tallies {

// The History window: the record of calculations, newest first, with what can be done to an
// entry and to the whole history. It opens from the main window's History button and by
// kHistoryShortcut, one window at a time, beside the main window.
inline constexpr std::string_view kHistoryWindowName = "frmHistory";
inline constexpr std::string_view kHistoryTitle = "Tallies History";
inline constexpr std::string_view kHistoryShortcut = "Ctrl+H";
inline constexpr int kHistoryClientWidth = 7560;
inline constexpr int kHistoryClientHeight = 5280;

// The window's controls, in twips from its client area's corner.
std::span<const ControlRow> HistoryControls();
// Its controls that take the focus, in its keyboard order.
std::vector<const ControlRow*> HistoryFocusOrder();

}  // namespace tallies
