
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hydraulic_test_support.h"

namespace tallies::testing {
namespace {

using Write = FakeControls::Write;

struct TwoInputCase {
  std::string first;
  std::string second;
  std::string shown;
};

TEST(PumpHorsepower, ShowsHorsepowerFromFlowAndPressure) {
  const std::vector<TwoInputCase> cases{
      {"10", "1500", "8.751458"},
      {"10 gpm", "1500psi", "8.751458"},  // a unit behind the number is ignored
      {"-10", "1500", "-8.751458"},
      {"", "", "0"},
      {"1714", "1", "1"},
      {"1.1", "1500", "0.9626605"},      // from the Single nearest to 1.1
      {"1E20", "1E20", "5.834306E+36"},  // the product fits a Double, not a Single
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first + " gpm at " + c.second + " psi");
    auto form = FormWith({{"txtGPM", c.first}, {"txtPSI", c.second}});
    ASSERT_EQ(Click("cmdHP", form), std::nullopt);
    EXPECT_EQ(form.reads(), (std::vector<std::string>{"txtGPM", "txtPSI"}));
    EXPECT_EQ(form.writes(), (std::vector<Write>{{"lblHP", c.shown, WriteKind::kCaption}}));
  }
}

TEST(PistonArea, WritesTheLabelThenBothAreaFields) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"2", "3.141593"},  // a Single: not the longer Double value
      {"3", "7.068583"}, {"4", "12.56637"},        {"-3", "7.068583"},  // the square drops the sign
      {"", "0"},         {"2E19", "3.141593E+38"},  // the largest bores still fit a Single
  };
  for (const auto& [diameter, shown] : cases) {
    SCOPED_TRACE("diameter " + diameter);
    auto form = FormWith({{"txtDIA", diameter}, {"txtArea1", "typed"}, {"txtArea2", "typed"}});
    ASSERT_EQ(Click("cmdArea", form), std::nullopt);
    EXPECT_EQ(form.reads(), std::vector<std::string>{"txtDIA"});
    EXPECT_EQ(form.writes(), (std::vector<Write>{{"lblArea", shown, WriteKind::kCaption},
                                                 {"txtArea1", shown, WriteKind::kText},
                                                 {"txtArea2", shown, WriteKind::kText}}));
  }
}

TEST(CylinderForce, MultipliesAreaTextByPressure) {
  const std::vector<TwoInputCase> cases{
      {"3.141593", "1000", "3141.593"},
      {"7.068583", "2000", "14137.17"},
      {"7.068583", "-2000", "-14137.17"},
      {"", "", "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first + " sq. in. at " + c.second + " psi");
    auto form = FormWith({{"txtArea1", c.first}, {"txtPSI1", c.second}});
    ASSERT_EQ(Click("cmdForce", form), std::nullopt);
    EXPECT_EQ(form.reads(), (std::vector<std::string>{"txtArea1", "txtPSI1"}));
    EXPECT_EQ(form.writes(), (std::vector<Write>{{"lblForce", c.shown, WriteKind::kCaption}}));
  }
}

TEST(CylinderSpeed, RoundsTheSpeedToFivePlaces) {
  const std::vector<TwoInputCase> cases{
      {"3.141593", "10", "1.02114"},                           // 1.021138 before rounding
      {"3.141593", "-10", "-1.02114"}, {"10", "0.0001", "0"},  // 0.000003208 ft./sec. rounds away
      {"10", "0.0002", "1E-05"},       {"0.3208", "1", "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first + " sq. in. at " + c.second + " gpm");
    auto form = FormWith({{"txtArea2", c.first}, {"txtGPM1", c.second}});
    ASSERT_EQ(Click("cmdSpeed", form), std::nullopt);
    EXPECT_EQ(form.reads(), (std::vector<std::string>{"txtArea2", "txtGPM1"}));
    EXPECT_EQ(form.writes(), (std::vector<Write>{{"lblCylSpeed", c.shown, WriteKind::kCaption}}));
  }
}

// The force and speed rows work from the area text as displayed.
TEST(CylinderRows, AreaButtonFeedsForceAndSpeedRows) {
  for (const std::string separator : {".", ","}) {
    SCOPED_TRACE("separator " + separator);
    auto form = FormWith({{"txtDIA", "3"}, {"txtPSI1", "2000"}, {"txtGPM1", "10"}}, separator);
    ASSERT_EQ(Click("cmdArea", form), std::nullopt);
    EXPECT_EQ(form.Get("txtArea1"), "7" + separator + "068583");
    ASSERT_EQ(Click("cmdForce", form), std::nullopt);
    EXPECT_EQ(form.Get("lblForce"), "14137" + separator + "17");
    ASSERT_EQ(Click("cmdSpeed", form), std::nullopt);
    EXPECT_EQ(form.Get("lblCylSpeed"), "0" + separator + "45384");
  }
}

// The user may edit an area field after the area button wrote it.
TEST(CylinderRows, ForceUsesTheEditedAreaNotTheDiameter) {
  auto form = FormWith({{"txtDIA", "3"}, {"txtPSI1", "1000"}});
  ASSERT_EQ(Click("cmdArea", form), std::nullopt);
  form.Put("txtArea1", "3.141593");
  ASSERT_EQ(Click("cmdForce", form), std::nullopt);
  EXPECT_EQ(form.Get("lblForce"), "3141.593");
}

}  // namespace
}  // namespace tallies::testing
