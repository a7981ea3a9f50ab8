
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

TEST(OilVelocity, ShowsVelocityFromInsideDiameterAndFlow) {
  const std::vector<TwoInputCase> cases{
      {"1", "10", "4.084552"},  // through the Single area 0.7853982
      {"0.5", "10", "16.33821"},
      {"0.75", "5", "3.630713"},
      {"-1", "10", "4.084552"},
      {"1", "-10", "-4.084552"},
      {"1", "", "0"},
      {"2.24", "74.1", "6.032074"},  // divided by the area as a Single
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("diameter " + c.first + ", " + c.second + " gpm");
    auto form = FormWith({{"txtIDVel", c.first}, {"txtGPMVel", c.second}});
    ASSERT_EQ(Click("Command1", form), std::nullopt);
    EXPECT_EQ(form.reads(), (std::vector<std::string>{"txtIDVel", "txtGPMVel"}));
    EXPECT_EQ(form.writes(), (std::vector<Write>{{"lblVelocity", c.shown, WriteKind::kCaption}}));
  }
}

TEST(TorqueFromDisplacement, ReadsPressureFirst) {
  const std::vector<TwoInputCase> cases{
      // displacement, pressure, torque
      {"2", "1000", "26.52582"},
      {"1.5", "2500", "49.73592"},
      {"0.5", "3000", "19.89437"},
      {"-2", "1000", "-26.52582"},
      {"", "", "0"},
      {"1E20", "1E20", "1.326291E+38"},  // the product fits a Double, not a Single
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first + " cu. in. at " + c.second + " psi");
    auto form = FormWith({{"txtDispTor", c.first}, {"txtPSITor", c.second}});
    ASSERT_EQ(Click("cmdTorqueDisplacement", form), std::nullopt);
    EXPECT_EQ(form.reads(), (std::vector<std::string>{"txtPSITor", "txtDispTor"}));
    EXPECT_EQ(form.writes(), (std::vector<Write>{{"lblTorqueTor", c.shown, WriteKind::kCaption}}));
  }
}

TEST(OilVelocity, RegionalComma) {
  auto form = FormWith({{"txtIDVel", "0,75"}, {"txtGPMVel", "5"}}, ",");
  ASSERT_EQ(Click("Command1", form), std::nullopt);
  EXPECT_EQ(form.Get("lblVelocity"), "3,630713");
}

TEST(TorqueFromDisplacement, RegionalComma) {
  auto form = FormWith({{"txtDispTor", "1,5"}, {"txtPSITor", "2500"}}, ",");
  ASSERT_EQ(Click("cmdTorqueDisplacement", form), std::nullopt);
  EXPECT_EQ(form.Get("lblTorqueTor"), "49,73592");
}

}  // namespace
}  // namespace tallies::testing
