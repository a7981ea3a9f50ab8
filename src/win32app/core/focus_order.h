#pragma once

#include <cstddef>
#include <functional>
#include <optional>

namespace tallies {

// The control that gets the focus after (or, `backwards`, before) the one at `current` in a
// keyboard order of `count` controls, going round at the ends and skipping those `canFocus`
// refuses (hidden, disabled). `current` may be absent (the focus is elsewhere): then the first
// (or last) that can is chosen. None when no control can take the focus.
std::optional<std::size_t> NextInFocusOrder(std::size_t count, std::optional<std::size_t> current,
                                            bool backwards,
                                            const std::function<bool(std::size_t)>& canFocus);

}  // namespace tallies
