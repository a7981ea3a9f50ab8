#include "numeric/arithmetic_fault.h"

#include <gtest/gtest.h>

#include <limits>

namespace tallies {
namespace {

FaultKind KindOf(auto&& computation) {
  try {
    computation();
  } catch (const ArithmeticFault& fault) {
    return fault.kind();
  }
  ADD_FAILURE() << "no fault";
  return FaultKind::kOverflow;
}

TEST(ArithmeticFault, EachKindIsFoundAndNamed) {
  volatile double big = 1e308, zero = 0.0, one = 1.0;
  EXPECT_EQ(KindOf([&] { CheckPoint(big * 10.0); }), FaultKind::kOverflow);
  EXPECT_EQ(KindOf([&] { Quotient(one, zero); }), FaultKind::kDivisionByZero);
  EXPECT_EQ(KindOf([&] { Quotient(-one, zero); }), FaultKind::kDivisionByZero);
  EXPECT_EQ(KindOf([&] { Quotient(zero, zero); }), FaultKind::kInvalidOperation);
  EXPECT_EQ(KindOf([&] { CheckPoint(big * 10.0 - big * 10.0); }), FaultKind::kInvalidOperation);
  EXPECT_EQ(FaultKindName(FaultKind::kOverflow), "Overflow");
  EXPECT_EQ(FaultKindName(FaultKind::kDivisionByZero), "Division by zero");
  EXPECT_EQ(FaultKindName(FaultKind::kInvalidOperation), "Invalid operation");
  EXPECT_STREQ(ArithmeticFault(FaultKind::kOverflow).what(), "Overflow");
}

TEST(ArithmeticFault, SoundValuesPassTheCheck) {
  EXPECT_EQ(CheckPoint(1e308), 1e308);
  EXPECT_EQ(CheckPoint(-0.0), 0.0);
  EXPECT_EQ(CheckPoint(std::numeric_limits<double>::denorm_min()),
            std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(Quotient(1.0, 4.0), 0.25);
  EXPECT_EQ(Quotient(0.0, 5.0), 0.0);
}

// The fault rule: outputs before the check keep their new text, later ones are
// never written.
TEST(ArithmeticFault, NothingAfterTheCheckRuns) {
  std::string first = "old", second = "old";
  volatile double zero = 0.0;
  try {
    first = "new";
    double v = Quotient(1.0, zero);
    second = std::to_string(v);
  } catch (const ArithmeticFault&) {
  }
  EXPECT_EQ(first, "new");
  EXPECT_EQ(second, "old");
}

}  // namespace
}  // namespace tallies
