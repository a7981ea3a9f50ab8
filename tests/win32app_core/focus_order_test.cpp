#include "win32app/core/focus_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tallies {
namespace {

std::vector<std::string_view> Names(const std::vector<const ControlRow*>& rows) {
  std::vector<std::string_view> names;
  for (const ControlRow* row : rows) names.push_back(row->name);
  return names;
}

TEST(FocusOrder, FollowsTheTabOrderNumbers) {
  const auto order = MainWindowFocusOrder();
  for (std::size_t i = 1; i < order.size(); ++i) {
    EXPECT_LE(order[i - 1]->tabOrder, order[i]->tabOrder) << order[i]->name;
  }
  const auto names = Names(order);
  ASSERT_GE(names.size(), 6u);
  // The link label, then the hydraulic tab set, then "Pump Horsepower" right to left.
  EXPECT_EQ(
      (std::vector<std::string_view>(names.begin(), names.begin() + 6)),
      (std::vector<std::string_view>{"Label3", "SSTabHyd", "cmdHP", "txtPSI", "txtGPM", "txtDIA"}));
}

TEST(FocusOrder, TakesOnlyControlsThatCanHoldTheFocus) {
  std::set<std::string_view> names;
  for (const ControlRow* row : MainWindowFocusOrder()) {
    EXPECT_TRUE(TakesFocus(row->kind)) << row->name;
    names.insert(row->name);
  }
  // Every row of those kinds over the window and every page, each once.
  std::size_t expected = 0;
  auto count = [&expected](std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) expected += TakesFocus(row.kind) ? 1 : 0;
  };
  count(WindowControls());
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) count(page.controls);
  }
  EXPECT_EQ(names.size(), expected);
  for (std::string_view absent : {"lblHP", "Label4", "Picture1", "Image1", "lblSteelGauge"}) {
    EXPECT_EQ(names.count(absent), 0u) << absent;
  }
  for (std::string_view present : {"optHyd", "optGen", "cmdAbout", "SSTab1", "Combo2"}) {
    EXPECT_EQ(names.count(present), 1u) << present;
  }
}

TEST(FocusOrder, LengthPageReachesTheButtonAfterTheFieldToItsRight) {
  const auto names = Names(MainWindowFocusOrder());
  auto position = [&names](std::string_view name) {
    return std::find(names.begin(), names.end(), name) - names.begin();
  };
  EXPECT_EQ(position("txtmm1"), position("txtin1") + 1);
  EXPECT_EQ(position("Command2"), position("txtmm1") + 1);
}

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
