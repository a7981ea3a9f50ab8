// Faults of the one-way calculators: each kind where it can arise, and every
// output left as it was.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hydraulic_test_support.h"

namespace tallies::testing {
namespace {

const Calculator& Named(std::string_view name) {
  for (const auto& calculator : OneWayCalculators()) {
    if (calculator.name == name) return calculator;
  }
  throw std::logic_error("no calculator " + std::string(name));
}

void ExpectFaultLeavesOutputs(const Calculator& calculator, const std::vector<std::string>& texts,
                              FaultKind kind, std::size_t readsBeforeFault) {
  FakeControls form;
  for (std::size_t i = 0; i < texts.size(); ++i) form.Put(calculator.inputs[i], texts[i]);
  PutOldText(form, calculator.outputs);
  EXPECT_EQ(Click(calculator.handler, form), kind);
  EXPECT_EQ(form.reads(), std::vector<std::string>(calculator.inputs.begin(),
                                                   calculator.inputs.begin() + readsBeforeFault));
  EXPECT_TRUE(form.writes().empty());
  for (const auto& output : calculator.outputs) EXPECT_EQ(form.Get(output), kOldText) << output;
}

struct FaultCase {
  std::string_view calculator;
  std::vector<std::string> inputs;  // in reading order
  FaultKind kind;
};

TEST(HydraulicFaults, EachKindWhereItArises) {
  const std::vector<FaultCase> cases{
      {"cmdHP", {"1E30", "1E30"}, FaultKind::kOverflow},
      {"cmdArea", {"3E19"}, FaultKind::kOverflow},
      {"cmdArea", {"-1E20"}, FaultKind::kOverflow},
      {"cmdForce", {"1E20", "-1E20"}, FaultKind::kOverflow},
      {"cmdSpeed", {"", ""}, FaultKind::kInvalidOperation},
      {"cmdSpeed", {"-0", "0"}, FaultKind::kInvalidOperation},
      {"cmdSpeed", {"0", "10"}, FaultKind::kDivisionByZero},
      {"cmdSpeed", {"", "10"}, FaultKind::kDivisionByZero},
      {"cmdSpeed", {"1E-46", "1"}, FaultKind::kDivisionByZero},  // the area narrows to 0
      {"cmdSpeed", {"1E-45", "1E10"}, FaultKind::kOverflow},
      {"Command1", {"", ""}, FaultKind::kInvalidOperation},
      {"Command1", {"", "10"}, FaultKind::kDivisionByZero},
      {"Command1", {"1E-30", "10"}, FaultKind::kDivisionByZero},  // the area narrows to 0
      {"Command1", {"1E-30", ""}, FaultKind::kInvalidOperation},
      {"Command1", {"1E20", "10"}, FaultKind::kOverflow},     // the area
      {"Command1", {"1E-18", "1000"}, FaultKind::kOverflow},  // the velocity
      {"cmdTorqueDisplacement", {"1E38", "1E38"}, FaultKind::kOverflow},
      {"cmdForceAngle", {"1000", "1E400"}, FaultKind::kOverflow},
      {"cmdForceAngle", {"1000", "-1E400"}, FaultKind::kOverflow},
      // D, L, W, RPM: the flow per revolution, then the flow, beyond a Single.
      {"cmdPumpMotorGPM", {"0", "-1E18", "1E5", "1"}, FaultKind::kOverflow},
      {"cmdPumpMotorGPM", {"0", "-1E18", "1000", "1000"}, FaultKind::kOverflow},
  };
  for (const auto& c : cases) {
    const Calculator& calculator = Named(c.calculator);
    SCOPED_TRACE(std::string(c.calculator) + " with " + c.inputs.front() + ", ...");
    ExpectFaultLeavesOutputs(calculator, c.inputs, c.kind, calculator.inputs.size());
  }
}

// Every input but the angle is narrowed to Single as it is read: a number beyond
// that range faults there, and no later input is even read.
TEST(HydraulicFaults, InputBeyondTheSingleRangeFaultsAsItIsRead) {
  constexpr std::string_view kDoubleInput = "txtAngleAng";
  for (const auto& calculator : OneWayCalculators()) {
    for (std::size_t i = 0; i < calculator.inputs.size(); ++i) {
      for (const std::string big : {"1E39", "-1E39", "3.4028236E38", "1E400"}) {
        SCOPED_TRACE(std::string(calculator.name) + " with " + calculator.inputs[i] + " " + big);
        std::vector<std::string> texts(calculator.inputs.size(), "1");
        texts[i] = big;
        if (calculator.inputs[i] == kDoubleInput && big != "1E400") {
          FakeControls form;
          for (std::size_t k = 0; k < texts.size(); ++k) form.Put(calculator.inputs[k], texts[k]);
          EXPECT_EQ(Click(calculator.handler, form), std::nullopt);
          EXPECT_EQ(form.writtenControls(), calculator.outputs);
          continue;
        }
        ExpectFaultLeavesOutputs(calculator, texts, FaultKind::kOverflow, i + 1);
      }
    }
  }
}

// The largest finite Single is still an input, and a result that rounds to it.
TEST(HydraulicFaults, LargestSingleIsNoFault) {
  FakeControls form;
  form.Put("txtGPM", "3.4028235E38");
  form.Put("txtPSI", "1714");
  ASSERT_EQ(Click(Named("cmdHP").handler, form), std::nullopt);
  EXPECT_EQ(form.Get("lblHP"), "3.402823E+38");
}

// Torque, angle and gear pump calculators show 0 when every field is empty, the
// horsepower, area and force calculators as well.
TEST(HydraulicFaults, EmptyFieldsShowZeroWhereNothingIsDivided) {
  for (const auto& calculator : OneWayCalculators()) {
    if (calculator.name == "cmdSpeed" || calculator.name == "Command1") continue;
    SCOPED_TRACE(calculator.name);
    FakeControls form;
    PutOldText(form, calculator.outputs);
    ASSERT_EQ(Click(calculator.handler, form), std::nullopt);
    EXPECT_EQ(form.reads(), calculator.inputs);
    EXPECT_EQ(form.writtenControls(), calculator.outputs);
    for (const auto& write : form.writes()) {
      EXPECT_EQ(write.text, "0");
      EXPECT_EQ(write.kind, KindFor(write.control));
    }
  }
}

}  // namespace
}  // namespace tallies::testing
