#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "layout/control_layout.h"

namespace tallies {

// Whether a control of this kind takes the keyboard focus: fields, buttons, lists, the option
// buttons, the tab sets (with their strip of tabs) and the link label. Captions, results and
// pictures do not.
bool TakesFocus(ControlKind kind);

// Every main-window control that takes the focus, in the window's keyboard order: increasing tab
// order number over the window's own controls and every page, rows of equal number in table
// order.
std::vector<const ControlRow*> MainWindowFocusOrder();

// The control that gets the focus after (or, `backwards`, before) the one at `current` in a
// keyboard order of `count` controls, going round at the ends and skipping those `canFocus`
// refuses (hidden, disabled). `current` may be absent (the focus is elsewhere): then the first
// (or last) that can is chosen. None when no control can take the focus.
std::optional<std::size_t> NextInFocusOrder(std::size_t count, std::optional<std::size_t> current,
                                            bool backwards,
                                            const std::function<bool(std::size_t)>& canFocus);

}  // namespace tallies
