#include "win32app/core/focus_order.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace tallies {
namespace {

struct StepCase {
  std::size_t count;
  std::optional<std::size_t> current;
  bool backwards;
  std::vector<bool> focusable;
  std::optional<std::size_t> expected;
};

TEST(FocusOrder, NextControlSkipsThoseThatCannotTakeTheFocus) {
  const std::vector<StepCase> cases{
      {4, 0, false, {true, true, true, true}, 1},
      {4, 3, false, {true, true, true, true}, 0},                 // round at the end
      {4, 0, true, {true, true, true, true}, 3},                  // and at the start
      {4, 0, false, {true, false, false, true}, 3},               // hidden ones skipped
      {4, 2, true, {false, false, true, false}, 2},               // only itself
      {4, 1, false, {false, false, false, false}, std::nullopt},  // none at all
      {4, std::nullopt, false, {false, true, true, true}, 1},     // focus elsewhere: first
      {4, std::nullopt, true, {true, true, true, false}, 2},      // or last
      {0, std::nullopt, false, {}, std::nullopt},
  };
  for (const StepCase& c : cases) {
    const auto next = NextInFocusOrder(c.count, c.current, c.backwards,
                                       [&c](std::size_t i) { return bool(c.focusable[i]); });
    EXPECT_EQ(next, c.expected);
  }
}

}  // namespace
}  // namespace tallies
