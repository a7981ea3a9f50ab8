#include "win32app/core/focus_order.h"

namespace tallies {

std::optional<std::size_t> NextInFocusOrder(std::size_t count, std::optional<std::size_t> current,
                                            bool backwards,
                                            const std::function<bool(std::size_t)>& canFocus) {
  if (count == 0) return std::nullopt;
  // Without a current control, start just outside the ends so the first step lands on one.
  std::size_t index = current ? *current % count : (backwards ? 0 : count - 1);
  for (std::size_t step = 0; step < count; ++step) {
    index = backwards ? (index + count - 1) % count : (index + 1) % count;
    if (canFocus(index)) return index;
  }
  return std::nullopt;
}

}  // namespace tallies
