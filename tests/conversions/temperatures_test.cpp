#include "conversions/temperatures.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "numeric/arithmetic_fault.h"
#include "support/catalogue_click.h"
#include "support/fake_controls.h"

namespace tallies {
namespace {

using testing::FakeControls;
using Write = FakeControls::Write;
using WriteKind = FakeControls::WriteKind;

void Click(FakeControls& form, std::string_view button) {
  testing::ClickThroughCatalogue(form, button);
}

struct TemperatureCase {
  const char* button;
  const char* input;
  const char* text;
  const char* label;
  const char* expected;
};

class TemperatureConversion : public ::testing::TestWithParam<TemperatureCase> {};

TEST_P(TemperatureConversion, WritesOnlyItsResultLabel) {
  const TemperatureCase& c = GetParam();
  FakeControls form;
  form.Put(c.input, c.text);

  Click(form, c.button);

  const std::vector<Write> expected{{c.label, c.expected, WriteKind::kCaption}};
  EXPECT_EQ(form.writes(), expected);
  EXPECT_EQ(form.reads(), std::vector<std::string>{c.input});
  EXPECT_EQ(form.Get(c.input), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TemperatureConversion,
    ::testing::Values(
        TemperatureCase{"Command28", "txtFahrenheit1", "212", "lblCelsius1", "100"},
        TemperatureCase{"Command28", "txtFahrenheit1", "32", "lblCelsius1", "0"},
        TemperatureCase{"Command28", "txtFahrenheit1", "", "lblCelsius1", "-17.7777777777778"},
        TemperatureCase{"Command29", "txtCelsius1", "37", "lblFahrenheit1", "98.6"},
        TemperatureCase{"Command29", "txtCelsius1", "-40", "lblFahrenheit1", "-40"},
        // Multiplied by 1.8 and then 32 added: the sum keeps a trace of the
        // inexact product that 15 digits still show.
        TemperatureCase{"Command29", "txtCelsius1", "-23.1", "lblFahrenheit1", "-9.58000000000001"},
        TemperatureCase{"Command30", "txtFahrenheit2", "212", "lblKelvin1", "373"},
        TemperatureCase{"Command30", "txtFahrenheit2", "32", "lblKelvin1", "273"},
        // Scaled by the quotient 5 / 9: dividing by 1.8 would show ...444 here.
        TemperatureCase{"Command30", "txtFahrenheit2", "672.7", "lblKelvin1", "628.944444444445"},
        TemperatureCase{"Command31", "txtKelvin1", "0", "lblFahrenheit2", "-459.4"},
        TemperatureCase{"Command31", "txtKelvin1", "373", "lblFahrenheit2", "212"},
        TemperatureCase{"Command32", "txtCelsius2", "0", "lblKelvin2", "273"},
        TemperatureCase{"Command32", "txtCelsius2", "-300", "lblKelvin2", "-27"},
        TemperatureCase{"Command33", "txtKelvin2", "0", "lblCelsius2", "-273"},
        TemperatureCase{"Command33", "txtKelvin2", "273", "lblCelsius2", "0"},
        TemperatureCase{"Command33", "txtKelvin2", "10 K", "lblCelsius2", "-263"}));

// The Celsius row divides by 1.8, unlike the Kelvin row above.
TEST(Temperature, CelsiusRowDividesByOnePointEight) {
  FakeControls form;
  form.Put("txtFahrenheit1", "672.7");
  Click(form, "Command28");
  EXPECT_EQ(form.Get("lblCelsius1"), "355.944444444444");
}

TEST(Temperature, ResultsUseTheRegionalSeparator) {
  FakeControls form(",");
  form.Put("txtCelsius2", "0,5");
  Click(form, "Command32");
  EXPECT_EQ(form.Get("lblKelvin2"), "273,5");
}

TEST(Temperature, ClickingTwiceWritesTheSameResultTwice) {
  FakeControls form;
  form.Put("txtCelsius1", "100");
  Click(form, "Command29");
  Click(form, "Command29");
  const Write result{"lblFahrenheit1", "212", WriteKind::kCaption};
  EXPECT_EQ(form.writes(), (std::vector<Write>{result, result}));
  EXPECT_EQ(form.Get("txtCelsius1"), "100");
}

struct OverflowCase {
  const char* button;
  const char* input;
  const char* text;
  const char* label;
};

class TemperatureOverflow : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(TemperatureOverflow, LeavesTheLabelAsItWas) {
  const OverflowCase& c = GetParam();
  FakeControls form;
  form.Put(c.input, c.text);
  form.Put(c.label, "earlier");
  try {
    Click(form, c.button);
    FAIL() << "no fault";
  } catch (const ArithmeticFault& fault) {
    EXPECT_EQ(fault.kind(), FaultKind::kOverflow);
  }
  EXPECT_TRUE(form.writes().empty());
  EXPECT_EQ(form.Get(c.label), "earlier");
}

INSTANTIATE_TEST_SUITE_P(
    BeyondDouble, TemperatureOverflow,
    ::testing::Values(OverflowCase{"Command29", "txtCelsius1", "1E308", "lblFahrenheit1"},
                      OverflowCase{"Command29", "txtCelsius1", "-1E308", "lblFahrenheit1"},
                      OverflowCase{"Command31", "txtKelvin1", "1E308", "lblFahrenheit2"},
                      OverflowCase{"Command28", "txtFahrenheit1", "1E400", "lblCelsius1"}));

// Just below the limit the multiplying rows still answer.
TEST(Temperature, LargeInputsWithinRangeAreConverted) {
  FakeControls form;
  form.Put("txtCelsius1", "9.9E307");
  Click(form, "Command29");
  EXPECT_EQ(form.Get("lblFahrenheit1"), "1.782E+308");
}

TEST(Temperature, SixButtonsInOrder) {
  std::vector<std::string> wired;
  for (const Calculator& calculator : CalculatorCatalogue()) {
    if (calculator.inputs.front().quantity == Quantity::kTemperature) {
      wired.emplace_back(calculator.control);
    }
  }
  std::vector<std::string> expected;
  for (int n = 28; n <= 33; ++n) expected.push_back("Command" + std::to_string(n));
  EXPECT_EQ(wired, expected);
}

}  // namespace
}  // namespace tallies
