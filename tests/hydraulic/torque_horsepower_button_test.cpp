
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "hydraulic_test_support.h"

namespace tallies::testing {
namespace {

using Write = FakeControls::Write;
using Reads = std::vector<std::string>;

// The reads of each direction: the emptiness tests in the order torque,
// horsepower, speed, then the two values of the formula.
const Reads kSolveTorqueReads{"txtTorque", "txtHP2", "txtRPM"};
const Reads kSolveHorsepowerReads{"txtTorque", "txtHP2", "txtRPM", "txtTorque"};
const Reads kSolveSpeedReads{"txtTorque", "txtHP2", "txtRPM", "txtTorque", "txtHP2"};
const Reads kClearReads{"txtTorque", "txtHP2", "txtRPM"};

const std::vector<Write> kClearWrites{{"txtTorque", "", WriteKind::kText},
                                      {"txtHP2", "", WriteKind::kText},
                                      {"txtRPM", "", WriteKind::kText}};

struct RelationCase {
  std::string torque;
  std::string hp;
  std::string rpm;
  Reads reads;
  std::vector<Write> writes;
};

std::string Describe(const RelationCase& c) {
  return "torque '" + c.torque + "', hp '" + c.hp + "', rpm '" + c.rpm + "'";
}

TEST(TorqueHorsepower, SolvesTheEmptyFieldOrClearsAll) {
  const std::vector<RelationCase> cases{
      {"", "10", "1800", kSolveTorqueReads, {{"txtTorque", "29.17778", WriteKind::kText}}},
      {"", "50", "1200", kSolveTorqueReads, {{"txtTorque", "218.8333", WriteKind::kText}}},
      // hp * 5252 exceeds a Single before the division brings it back.
      {"", "1E36", "10000", kSolveTorqueReads, {{"txtTorque", "5.252E+35", WriteKind::kText}}},
      {"100", "", "1000", kSolveHorsepowerReads, {{"txtHP2", "19.04037", WriteKind::kText}}},
      {"29.17778", "", "1800", kSolveHorsepowerReads, {{"txtHP2", "10", WriteKind::kText}}},
      {"100", "10", "", kSolveSpeedReads, {{"txtRPM", "525.2", WriteKind::kText}}},
      {"30", "10", "", kSolveSpeedReads, {{"txtRPM", "1750.667", WriteKind::kText}}},
      {"100", "10", "525.2", kClearReads, kClearWrites},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Describe(c));
    auto form = FormWith({{"txtTorque", c.torque}, {"txtHP2", c.hp}, {"txtRPM", c.rpm}});
    ASSERT_EQ(Click("cmdTR", form), std::nullopt);
    EXPECT_EQ(form.reads(), c.reads);
    EXPECT_EQ(form.writes(), c.writes);
  }
}

// Only text with no characters at all is empty; any other empty field of the
// formula reads as 0.
TEST(TorqueHorsepower, DirectionDependsOnlyOnWhichFieldsAreEmpty) {
  const std::vector<RelationCase> cases{
      {" ", "10", "1800", kClearReads, kClearWrites},  // a lone blank counts as filled
      {"0", "0", "0", kClearReads, kClearWrites},
      {"100", "10", " ", kClearReads, kClearWrites},
      {"100", " ", "", kSolveSpeedReads, {{"txtRPM", "0", WriteKind::kText}}},
      {"1E400", "x", "1E39", kClearReads, kClearWrites},  // clearing reads no number
      {"", " ", "1800", kSolveTorqueReads, {{"txtTorque", "0", WriteKind::kText}}},
      {"", "", "1000", kSolveTorqueReads, {{"txtTorque", "0", WriteKind::kText}}},
      {" ", "", "1000", kSolveHorsepowerReads, {{"txtHP2", "0", WriteKind::kText}}},
      {"100", "", "", kSolveHorsepowerReads, {{"txtHP2", "0", WriteKind::kText}}},
      {"100", "10 hp", "", kSolveSpeedReads, {{"txtRPM", "525.2", WriteKind::kText}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Describe(c));
    auto form = FormWith({{"txtTorque", c.torque}, {"txtHP2", c.hp}, {"txtRPM", c.rpm}});
    ASSERT_EQ(Click("cmdTR", form), std::nullopt);
    EXPECT_EQ(form.reads(), c.reads);
    EXPECT_EQ(form.writes(), c.writes);
  }
}

// A typical use: the first click fills the empty field, the second clears all.
TEST(TorqueHorsepower, SecondClickStartsANewProblem) {
  auto form = FormWith({{"txtHP2", "10"}, {"txtRPM", "1800"}});
  ASSERT_EQ(Click("cmdTR", form), std::nullopt);
  EXPECT_EQ(form.Get("txtTorque"), "29.17778");
  form.Put("txtHP2", "");
  ASSERT_EQ(Click("cmdTR", form), std::nullopt);
  EXPECT_EQ(form.Get("txtHP2"), "10");  // read back from the written text
  form.clearLog();
  ASSERT_EQ(Click("cmdTR", form), std::nullopt);
  EXPECT_EQ(form.writes(), kClearWrites);
  EXPECT_EQ(form.Get("txtTorque"), "");
}

struct FaultCase {
  std::string torque;
  std::string hp;
  std::string rpm;
  FaultKind kind;
  Reads reads;
};

TEST(TorqueHorsepower, FaultLeavesEveryFieldAsItWas) {
  const std::vector<FaultCase> cases{
      {"", "", "", FaultKind::kInvalidOperation, kSolveTorqueReads},
      {"", "10", "", FaultKind::kDivisionByZero, kSolveTorqueReads},
      {"", "10", "0", FaultKind::kDivisionByZero, kSolveTorqueReads},
      {"", "1E38", "0.001", FaultKind::kOverflow, kSolveTorqueReads},
      {"1E38", "", "1E38", FaultKind::kOverflow, kSolveHorsepowerReads},
      {"0", "10", "", FaultKind::kDivisionByZero, kSolveSpeedReads},
      {"abc", "10", "", FaultKind::kDivisionByZero, kSolveSpeedReads},  // letters read as 0
      {"0", "0", "", FaultKind::kInvalidOperation, kSolveSpeedReads},
      {"1E-38", "1E38", "", FaultKind::kOverflow, kSolveSpeedReads},
      // An input beyond the Single range faults as it is read: no later read.
      {"", "1E39", "1800", FaultKind::kOverflow, {"txtTorque", "txtHP2"}},
      {"", "10", "-1E39", FaultKind::kOverflow, kSolveTorqueReads},
      {"100", "", "1E39", FaultKind::kOverflow, {"txtTorque", "txtHP2", "txtRPM"}},
      {"1E39", "", "1000", FaultKind::kOverflow, kSolveHorsepowerReads},
      {"1E39", "10", "", FaultKind::kOverflow, {"txtTorque", "txtHP2", "txtRPM", "txtTorque"}},
      {"100", "1E39", "", FaultKind::kOverflow, kSolveSpeedReads},
      {"", "1E400", "1800", FaultKind::kOverflow, {"txtTorque", "txtHP2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("torque '" + c.torque + "', hp '" + c.hp + "', rpm '" + c.rpm + "'");
    auto form = FormWith({{"txtTorque", c.torque}, {"txtHP2", c.hp}, {"txtRPM", c.rpm}});
    EXPECT_EQ(Click("cmdTR", form), c.kind);
    EXPECT_EQ(form.reads(), c.reads);
    EXPECT_TRUE(form.writes().empty());
    EXPECT_EQ(form.Get("txtTorque"), c.torque);
    EXPECT_EQ(form.Get("txtHP2"), c.hp);
    EXPECT_EQ(form.Get("txtRPM"), c.rpm);
  }
}

TEST(TorqueHorsepower, RegionalCommaReadsBackWhole) {
  auto form = FormWith({{"txtHP2", "10"}, {"txtRPM", "1800"}}, ",");
  ASSERT_EQ(Click("cmdTR", form), std::nullopt);
  EXPECT_EQ(form.Get("txtTorque"), "29,17778");
  form.Put("txtHP2", "");
  ASSERT_EQ(Click("cmdTR", form), std::nullopt);
  EXPECT_EQ(form.Get("txtHP2"), "10");
  form.Put("txtRPM", "");
  form.Put("txtHP2", "10,5");
  ASSERT_EQ(Click("cmdTR", form), std::nullopt);
  EXPECT_EQ(form.Get("txtRPM"), "1890");
}

}  // namespace
}  // namespace tallies::testing
