#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/arithmetic_fault.h"
#include "support/catalogue_click.h"
#include "support/fake_controls.h"
#include "window/calculator_catalogue.h"

namespace tallies {
namespace {

using testing::FakeControls;
using Write = FakeControls::Write;
using WriteKind = FakeControls::WriteKind;

const UnitPairPlace& PairOf(std::string_view button) {
  for (const UnitPairPlace& pair : UnitPairPlaces()) {
    if (pair.button == button) return pair;
  }
  ADD_FAILURE() << "no pair for " << button;
  return UnitPairPlaces().front();
}

// Clicks a button the way the window does: through the catalogue.
void Click(FakeControls& form, std::string_view button) {
  testing::ClickThroughCatalogue(form, button);
}

// ---------------------------------------------------------------------------
// One click with given field texts, and the one field it must fill.

struct ConversionCase {
  const char* button;
  const char* textA;
  const char* textB;
  bool fillsA;  // true: A receives the conversion of B; false: B receives A's
  const char* expected;
};

class UnitPairConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(UnitPairConversion, FillsTheOpenFieldOnly) {
  const ConversionCase& c = GetParam();
  const UnitPairPlace& pair = PairOf(c.button);
  FakeControls form;
  form.Put(pair.fieldA, c.textA);
  form.Put(pair.fieldB, c.textB);

  Click(form, c.button);

  const std::string_view target = c.fillsA ? pair.fieldA : pair.fieldB;
  const std::vector<Write> expected{{std::string(target), c.expected, WriteKind::kText}};
  EXPECT_EQ(form.writes(), expected);
  // The source field keeps its text.
  EXPECT_EQ(form.Get(c.fillsA ? pair.fieldB : pair.fieldA), c.fillsA ? c.textB : c.textA);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, UnitPairConversion,
    ::testing::Values(ConversionCase{"Command2", "1", "", false, "25.4"},
                      ConversionCase{"Command2", "", "100", true, "3.93700787401575"},
                      // Fluid ounces are rounded to 6 places, milliliters never.
                      ConversionCase{"Command11", "", "100", true, "3.381402"},
                      ConversionCase{"Command11", "0.1234567", "", false, "3.651050421151"},
                      ConversionCase{"Command18", "", "1000", true, "1.102311"},
                      ConversionCase{"Command22", "", "1000", true, "62.427974"},
                      ConversionCase{"Command7", "1", "", false, "1.609347"},
                      // A kip per linear foot is a thousand pounds per linear foot.
                      ConversionCase{"Command20", "1", "", false, "1488"},
                      ConversionCase{"Command20", "", "1488", true, "1"},
                      ConversionCase{"Command21", "1000", "", false, "1488"},
                      // Rows without rounding show the full quotient.
                      ConversionCase{"Command17", "", "1", true, "2.20462247603796"},
                      ConversionCase{"Command23", "", "1", true, "1.68548794876117"},
                      // One division by the factor: multiplying by its reciprocal would end
                      // in ...905 and ...149 here.
                      ConversionCase{"Command2", "", "121", true, "4.76377952755906"},
                      ConversionCase{"Command5", "", "24", true, "78.740157480315"},
                      // Text is read by the leading-number rule.
                      ConversionCase{"Command2", "12abc", "", false, "304.8"},
                      ConversionCase{"Command2", "", "abc", true, "0"},
                      ConversionCase{"Command2", " ", "", false, "0"},
                      ConversionCase{"Command5", "", "-3.048", true, "-10"},
                      // Rounding a huge value to 6 places leaves it as it is.
                      ConversionCase{"Command11", "", "1E308", true, "3.38140222016107E+306"},
                      ConversionCase{"Command18", "", "1E308", true, "1.10231123801898E+305"},
                      // Just inside the Double range when dividing by the smallest factor.
                      ConversionCase{"Command8", "", "2.9E303", true, "1.76937156802929E+308"}));

// ---------------------------------------------------------------------------
// Clicks on a pair whose fields both hold text clear both, A first.

struct ClearCase {
  const char* textA;
  const char* textB;
};

class UnitPairClearing : public ::testing::TestWithParam<ClearCase> {};

TEST_P(UnitPairClearing, ClearsBothWithoutComputing) {
  const UnitPairPlace& pair = PairOf("Command13");
  FakeControls form;
  form.Put(pair.fieldA, GetParam().textA);
  form.Put(pair.fieldB, GetParam().textB);

  Click(form, "Command13");

  const std::vector<Write> expected{{std::string(pair.fieldA), "", WriteKind::kText},
                                    {std::string(pair.fieldB), "", WriteKind::kText}};
  EXPECT_EQ(form.writes(), expected);
}

INSTANTIATE_TEST_SUITE_P(BothFilled, UnitPairClearing,
                         ::testing::Values(ClearCase{"1", "2"}, ClearCase{"abc", "x"},
                                           ClearCase{" ", "5"}, ClearCase{"1", " "},
                                           ClearCase{" ", " "}, ClearCase{"1E400", "1E400"}));

TEST(UnitPair, RepeatedClicksOnEmptyFieldsCycle) {
  const UnitPairPlace& pair = PairOf("Command6");
  FakeControls form;

  Click(form, "Command6");
  EXPECT_EQ(form.Get(pair.fieldA), "0");
  EXPECT_EQ(form.Get(pair.fieldB), "");

  Click(form, "Command6");
  EXPECT_EQ(form.Get(pair.fieldA), "0");
  EXPECT_EQ(form.Get(pair.fieldB), "0");

  Click(form, "Command6");
  EXPECT_EQ(form.Get(pair.fieldA), "");
  EXPECT_EQ(form.Get(pair.fieldB), "");
  EXPECT_EQ(form.writtenControls(), (std::vector<std::string>{"txtyd", "txtm2", "txtyd", "txtm2"}));
}

// ---------------------------------------------------------------------------
// Overflow: the field that was to receive the result keeps its text.

struct OverflowCase {
  const char* button;
  const char* textA;
  const char* textB;
};

class UnitPairOverflow : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(UnitPairOverflow, LeavesTheReceivingFieldAsItWas) {
  const OverflowCase& c = GetParam();
  const UnitPairPlace& pair = PairOf(c.button);
  FakeControls form;
  form.Put(pair.fieldA, c.textA);
  form.Put(pair.fieldB, c.textB);

  try {
    Click(form, c.button);
    FAIL() << "no fault";
  } catch (const ArithmeticFault& fault) {
    EXPECT_EQ(fault.kind(), FaultKind::kOverflow);
  }
  EXPECT_TRUE(form.writes().empty());
  EXPECT_EQ(form.Get(pair.fieldA), c.textA);
  EXPECT_EQ(form.Get(pair.fieldB), c.textB);
}

INSTANTIATE_TEST_SUITE_P(
    BeyondDouble, UnitPairOverflow,
    ::testing::Values(OverflowCase{"Command2", "1E308", ""},    // times 25.4
                      OverflowCase{"Command20", "-1E308", ""},  // times 1488
                      OverflowCase{"Command4", "", "1E308"},    // divided by 0.0254
                      OverflowCase{"Command8", "", "3E303"},    // divided by 1.639e-5
                      OverflowCase{"Command12", "", "-1E305"},  // divided by 2.957e-5
                      OverflowCase{"Command11", "", "1E400"},   // beyond Double when read
                      OverflowCase{"Command11", "1E400", ""}));

// ---------------------------------------------------------------------------
// Regional decimal separator.

TEST(UnitPair, WritesAndReadsTheRegionalSeparator) {
  FakeControls form(",");
  form.Put("txtmm1", "2,5");
  Click(form, "Command2");
  EXPECT_EQ(form.Get("txtin1"), "0,0984251968503937");

  FakeControls other(",");
  other.Put("txtin1", "1,5");
  Click(other, "Command2");
  EXPECT_EQ(other.Get("txtmm1"), "38,1");

  // A point still reads as a separator with a regional comma.
  FakeControls point(",");
  point.Put("txtin1", "1.5");
  Click(point, "Command2");
  EXPECT_EQ(point.Get("txtmm1"), "38,1");
}

TEST(UnitPair, RoundedFieldUsesTheRegionalSeparator) {
  FakeControls form(",");
  form.Put("txtml1", "100");
  Click(form, "Command11");
  EXPECT_EQ(form.Get("txtfloz1"), "3,381402");
}

// ---------------------------------------------------------------------------
// The table and its wiring.

TEST(UnitPairTable, ButtonsRunFromCommand2ToCommand27WithoutCommand19) {
  std::vector<std::string> expected;
  for (int n = 2; n <= 27; ++n) {
    if (n != 19) expected.push_back("Command" + std::to_string(n));
  }
  std::vector<std::string> table;
  for (const UnitPairPlace& pair : UnitPairPlaces()) table.emplace_back(pair.button);
  EXPECT_EQ(table, expected);
}

TEST(UnitPairTable, EveryFieldBelongsToOnePair) {
  std::set<std::string_view> fields;
  for (const UnitPairPlace& pair : UnitPairPlaces()) {
    EXPECT_TRUE(fields.insert(pair.fieldA).second) << pair.fieldA;
    EXPECT_TRUE(fields.insert(pair.fieldB).second) << pair.fieldB;
  }
  EXPECT_EQ(fields.size(), 50u);
}

TEST(UnitPairTable, OnlyOunceTonAndDensityFieldsAreRounded) {
  const std::set<std::string_view> rounded{"Command11", "Command18", "Command22"};
  for (const UnitPairPlace& pair : UnitPairPlaces()) {
    if (rounded.contains(pair.button)) {
      EXPECT_TRUE(pair.conversion->decimalsForA == 6) << pair.button;
    } else {
      EXPECT_FALSE(pair.conversion->decimalsForA.has_value()) << pair.button;
    }
  }
}

// Every button, in every state, reads and writes only its own two fields.
TEST(UnitPairTable, EachButtonTouchesOnlyItsOwnFields) {
  const std::vector<std::pair<const char*, const char*>> states{
      {"", ""}, {"", "7"}, {"7", ""}, {"7", "7"}};
  for (const UnitPairPlace& pair : UnitPairPlaces()) {
    const std::string_view button = pair.button;
    const std::set<std::string> own{std::string(pair.fieldA), std::string(pair.fieldB)};
    for (const auto& [a, b] : states) {
      FakeControls form;
      // Every other pair's fields hold text that must stay.
      for (const UnitPairPlace& other : UnitPairPlaces()) {
        form.Put(other.fieldA, "keep");
        form.Put(other.fieldB, "keep");
      }
      form.Put(pair.fieldA, a);
      form.Put(pair.fieldB, b);
      Click(form, button);
      EXPECT_FALSE(form.writes().empty()) << button;
      for (const auto& w : form.writes()) {
        EXPECT_TRUE(own.contains(w.control)) << button << " wrote " << w.control;
        EXPECT_EQ(w.kind, WriteKind::kText);
      }
      for (const auto& r : form.reads()) {
        EXPECT_TRUE(own.contains(r)) << button << " read " << r;
      }
      for (const UnitPairPlace& other : UnitPairPlaces()) {
        if (other.button == pair.button) continue;
        EXPECT_EQ(form.Get(other.fieldA), "keep");
        EXPECT_EQ(form.Get(other.fieldB), "keep");
      }
    }
  }
}

}  // namespace
}  // namespace tallies
