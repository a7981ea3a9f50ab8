#include "hydraulic/hydraulic_buttons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "hydraulic/torque_horsepower_button.h"
#include "hydraulic_test_support.h"

namespace tallies::testing {
namespace {

// The window wires each entry by its control name: every "Calc" button of the
// hydraulic tabs once, each with the handler named after it.
TEST(HydraulicButtons, ListsEveryCalcButtonWithItsHandler) {
  const auto buttons = HydraulicButtons();
  ASSERT_EQ(buttons.size(), 9u);

  std::set<std::string_view> names;
  for (const auto& button : buttons) {
    EXPECT_TRUE(names.insert(button.control).second) << "twice: " << button.control;
    EXPECT_NE(button.handler, nullptr) << button.control;
  }

  for (const auto& calculator : OneWayCalculators()) {
    SCOPED_TRACE(calculator.name);
    bool found = false;
    for (const auto& button : buttons) {
      if (button.control != calculator.name) continue;
      found = true;
      EXPECT_EQ(button.handler, calculator.handler);
    }
    EXPECT_TRUE(found);
  }
  bool relationFound = false;
  for (const auto& button : buttons) {
    if (button.control == "cmdTR") {
      relationFound = true;
      EXPECT_EQ(button.handler, &cmdTR_Click);
    }
  }
  EXPECT_TRUE(relationFound);
}

// A click through the table reaches the real calculator.
TEST(HydraulicButtons, WiredHandlerComputes) {
  const auto buttons = HydraulicButtons();
  const auto hp = std::find_if(buttons.begin(), buttons.end(),
                               [](const ButtonHandler& b) { return b.control == "cmdHP"; });
  ASSERT_NE(hp, buttons.end());
  auto form = FormWith({{"txtGPM", "10"}, {"txtPSI", "1500"}});
  hp->handler(form);
  EXPECT_EQ(form.Get("lblHP"), "8.751458");
}

}  // namespace
}  // namespace tallies::testing
