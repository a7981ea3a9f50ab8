#include "win32app/core/creation_fault_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallies {
namespace {

struct PlanCase {
  std::string setting;
  std::vector<std::string> creations;  // window classes asked for, in order
  int refused;                         // index into creations, or -1 for none
};

TEST(CreationFaultPlan, RefusesTheNthCreationOfTheNamedClass) {
  const std::vector<PlanCase> cases{
      {"frmMain", {"frmMain", "frmMain"}, 0},
      {"Edit:3", {"Edit", "Button", "Edit", "Static", "Edit", "Edit"}, 4},
      {"edit:2", {"EDIT", "Edit"}, 1},  // window classes compare without regard to case
      {"Button:5", {"Button", "Button"}, -1},
      {"ComboBox", {"Combo", "ComboBoxEx32", "ComboBox"}, 2},
      {"TalliesPage:1", {"TalliesPage", "TalliesPage"}, 0},
  };
  for (const PlanCase& c : cases) {
    SCOPED_TRACE(c.setting);
    std::optional<CreationFaultPlan> plan = CreationFaultPlan::Parse(c.setting);
    ASSERT_TRUE(plan);
    int refused = -1;
    for (std::size_t i = 0; i < c.creations.size(); ++i) {
      if (plan->RefuseNext(c.creations[i])) {
        EXPECT_EQ(refused, -1) << "a second creation was refused";
        refused = static_cast<int>(i);
      }
    }
    EXPECT_EQ(refused, c.refused);
  }
}

TEST(CreationFaultPlan, AnEmptyOrMalformedSettingRefusesNothing) {
  for (const char* setting : {"", ":", ":2", "Edit:", "Edit:0", "Edit:-1", "Edit:x", "Edit:2x"}) {
    EXPECT_FALSE(CreationFaultPlan::Parse(setting)) << '"' << setting << '"';
  }
}

}  // namespace
}  // namespace tallies
