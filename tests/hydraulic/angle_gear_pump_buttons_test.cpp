
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hydraulic_test_support.h"
#include "numeric/field_number.h"

namespace tallies::testing {
namespace {

using Write = FakeControls::Write;

std::string ForceAt(std::string_view force, std::string_view angle, std::string separator = ".") {
  auto form = FormWith({{"txtTotalForce", force}, {"txtAngleAng", angle}}, std::move(separator));
  EXPECT_EQ(Click("cmdForceAngle", form), std::nullopt);
  EXPECT_EQ(form.reads(), (std::vector<std::string>{"txtTotalForce", "txtAngleAng"}));
  EXPECT_EQ(form.writtenControls(), std::vector<std::string>{"lblForceAng"});
  return form.Get("lblForceAng");
}

TEST(ForceAtAngle, ShowsTheForceAlongTheLoadTravel) {
  struct Case {
    std::string force, angle, shown;
  };
  const std::vector<Case> cases{
      {"1000", "30", "500"},  // the sine just below one half narrows to 0.5
      {"1000", "45", "707.1068"},   {"1000", "90", "1000"},   {"1000", "0", "0"},
      {"2500", "60", "2165.063"},   {"1000", "-30", "-500"},  {"1000", "-90", "-1000"},
      {"1000", "22.5", "382.6834"}, {"100", "2", "3.489949"},  // the narrowed sine scales the force
                                                               // {"", "", "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.force + " lbs. at " + c.angle + " degrees");
    EXPECT_EQ(ForceAt(c.force, c.angle), c.shown);
  }
}

// The circle constant is a little below pi, so the sine of "180 degrees" is a
// tiny positive number rather than 0.
TEST(ForceAtAngle, HalfTurnLeavesATinyForceInExponentForm) {
  const std::string shown = ForceAt("1000", "180");
  EXPECT_EQ(shown, "3.231089E-12");
  EXPECT_NE(shown.find("E-12"), std::string::npos);
  EXPECT_GT(ParseFieldNumber(shown), 0.0);
  EXPECT_EQ(ForceAt("1000", "180", ","), "3,231089E-12");
}

TEST(ForceAtAngle, AnglesAboveNinetyMirrorThoseBelow) {
  EXPECT_EQ(ForceAt("1000", "120"), ForceAt("1000", "60"));
  EXPECT_EQ(ForceAt("1000", "150"), ForceAt("1000", "30"));
  EXPECT_EQ(ForceAt("1000", "60"), "866.0254");
}

// The angle stays a Double: a number beyond the Single range is no fault there.
TEST(ForceAtAngle, AngleIsNotNarrowed) {
  const std::string shown = ForceAt("1000", "1E39");
  ASSERT_FALSE(shown.empty());
  const double value = ParseFieldNumber(shown);
  EXPECT_LE(value, 1000.0);
  EXPECT_GE(value, -1000.0);
}

TEST(ForceAtAngle, RegionalComma) {
  EXPECT_EQ(ForceAt("2500", "60", ","), "2165,063");
  EXPECT_EQ(ForceAt("1000", "22,5", ","), "382,6834");
}

struct GearCase {
  std::string w, d, l, rpm;
  std::string flow, displacement;
};

void ExpectGearPump(const GearCase& c, std::string separator = ".") {
  SCOPED_TRACE("W " + c.w + ", D " + c.d + ", L " + c.l + ", RPM " + c.rpm);
  auto form = FormWith({{"txtW", c.w}, {"txtD", c.d}, {"txtL", c.l}, {"txtRPMpump", c.rpm}},
                       std::move(separator));
  ASSERT_EQ(Click("cmdPumpMotorGPM", form), std::nullopt);
  EXPECT_EQ(form.reads(), (std::vector<std::string>{"txtD", "txtL", "txtW", "txtRPMpump"}));
  EXPECT_EQ(form.writes(), (std::vector<Write>{{"lblGPMpump", c.flow, WriteKind::kCaption},
                                               {"lblCIR", c.displacement, WriteKind::kCaption}}));
}

TEST(GearPump, ShowsFlowThenDisplacement) {
  const std::vector<GearCase> cases{
      {"1", "2", "3.5", "1800", "17.625", "2.25"},
      {"1.5", "2.25", "4", "1200", "20.5625", "3.9375"},
      {"0.75", "1.5", "2.5", "1000", "4.895833", "1.125"},
      {"", "", "", "", "0", "0"},
      // Sums of measurements near the Single limit still hold in double precision.
      {"1E-38", "2E38", "3E38", "100", "1.305555E+38", "3E+38"},
  };
  for (const auto& c : cases) ExpectGearPump(c);
}

TEST(GearPump, SignFollowsTheHousingMeasurements) {
  const std::vector<GearCase> cases{
      {"1", "2", "5", "1800", "-70.5", "-9"},         // L greater than twice D
      {"1", "2", "1.5", "1800", "-29.375", "-3.75"},  // L smaller than D
      {"1", "2", "2", "1800", "0", "0"},              // L equal to D
      {"1", "2", "4", "1800", "0", "0"},              // L equal to twice D
      {"-1", "2", "2", "1800", "0", "0"},             // a negative zero shows without a sign
  };
  for (const auto& c : cases) ExpectGearPump(c);
}

TEST(GearPump, RegionalComma) {
  ExpectGearPump({"0,75", "1,5", "2,5", "1000", "4,895833", "1,125"}, ",");
}

// The displacement is about 230 times the flow per revolution, so a housing can
// give a flow that fits a Single and a displacement that does not: the new flow
// stays shown and the displacement label keeps its old caption.
TEST(GearPump, DisplacementFaultLeavesTheNewFlow) {
  for (const std::string rpm : {"1", "0"}) {
    SCOPED_TRACE("RPM " + rpm);
    auto form = FormWith({{"txtW", "1000"}, {"txtD", "0"}, {"txtL", "-1E18"}, {"txtRPMpump", rpm}});
    PutOldText(form, {"lblGPMpump", "lblCIR"});
    EXPECT_EQ(Click("cmdPumpMotorGPM", form), FaultKind::kOverflow);
    const std::string flow = rpm == "1" ? "-1.305556E+37" : "0";
    EXPECT_EQ(form.writes(), (std::vector<Write>{{"lblGPMpump", flow, WriteKind::kCaption}}));
    EXPECT_EQ(form.Get("lblCIR"), kOldText);
  }
}

}  // namespace
}  // namespace tallies::testing
