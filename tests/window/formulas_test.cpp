// Every formula a button shows is checked against its calculator: the worked example is computed
// from the formula's text as written, with its constants, and compared with what the calculator
// shows for the same inputs.

#include "window/formulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "layout/window_model.h"
#include "support/fake_controls.h"
#include "window/calculator_catalogue.h"
#include "window/window_bindings.h"

namespace tallies {
namespace {

// The circle constant as the calculators use it.
constexpr double kPi = 3.14159265358979;

// Reads an expression of a formula: numbers (also in E form), names of fields, π, + − × ÷,
// parentheses, a trailing ² and sin() of degrees. A name is matched against the given names,
// longest first, so a name may hold blanks and parentheses.
class Expression {
 public:
  Expression(std::string_view text, const std::map<std::string, double>& names)
      : m_text(text), m_names(names) {}

  double Value() {
    const double value = Sum();
    Blanks();
    // What follows the expression is a note in words, after a comma ("to 5 decimals").
    EXPECT_TRUE(m_at == m_text.size() || m_text[m_at] == ',') << "unread: " << m_text.substr(m_at);
    return value;
  }

 private:
  bool Take(std::string_view token) {
    Blanks();
    if (m_text.substr(m_at, token.size()) != token) return false;
    m_at += token.size();
    return true;
  }
  void Blanks() {
    while (m_at < m_text.size() && m_text[m_at] == ' ') ++m_at;
  }
  double Sum() {
    double value = Product();
    for (;;) {
      if (Take("+")) {
        value += Product();
      } else if (Take("−")) {
        value -= Product();
      } else {
        return value;
      }
    }
  }
  double Product() {
    double value = Power();
    for (;;) {
      if (Take("×")) {
        value *= Power();
      } else if (Take("÷")) {
        value /= Power();
      } else {
        return value;
      }
    }
  }
  double Power() {
    double value = Primary();
    if (Take("²")) value *= value;
    return value;
  }
  double Primary() {
    Blanks();
    std::string longest;
    for (const auto& [name, value] : m_names) {
      if (m_text.substr(m_at, name.size()) == name && name.size() > longest.size()) longest = name;
    }
    if (!longest.empty()) {
      m_at += longest.size();
      return m_names.at(longest);
    }
    if (Take("π")) return kPi;
    if (Take("sin(")) {
      const double degrees = Sum();
      EXPECT_TRUE(Take(")"));
      return std::sin(degrees / 180 * kPi);
    }
    if (Take("(")) {
      const double value = Sum();
      EXPECT_TRUE(Take(")")) << m_text;
      return value;
    }
    std::size_t used = 0;
    const std::string rest(m_text.substr(m_at));
    double number = 0;
    try {
      number = std::stod(rest, &used);
    } catch (const std::exception&) {
      ADD_FAILURE() << "cannot read: " << rest;
      m_at = m_text.size();
      return 0;
    }
    m_at += used;
    if (Take("π")) number *= kPi;  // "24π"
    return number;
  }

  std::string_view m_text;
  const std::map<std::string, double>& m_names;
  std::size_t m_at = 0;
};

// The clause of a formula that works out `result`: what stands right of its "=".
std::string ClauseFor(const std::string& formula, std::string_view result) {
  std::string_view rest = formula;
  if (const std::size_t colon = rest.find(": "); colon != std::string_view::npos) {
    rest.remove_prefix(colon + 2);
  }
  while (!rest.empty()) {
    const std::size_t end = rest.find("; ");
    const std::string_view clause = rest.substr(0, end);
    const std::size_t equals = clause.find(" = ");
    if (equals != std::string_view::npos && clause.substr(0, equals) == result) {
      return std::string(clause.substr(equals + 3));
    }
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 2);
  }
  ADD_FAILURE() << "no clause for " << result << " in " << formula;
  return "0";
}

struct Field {
  std::string_view name;     // as the formula names it
  std::string_view control;  // the field it is typed into
  std::string_view text;
};

struct WorkedExample {
  std::string_view button;
  std::vector<Field> inputs;
  std::string_view result;  // the clause's left side
  std::string_view shownIn;
};

// A result of the calculator and of its formula agree when they differ by no more than the
// Single precision (7 digits) and the rounding the calculator shows: a wrong constant (1715 for
// 1714, 0.3209 for 0.3208) is far outside.
void ExpectAgrees(double fromFormula, const std::string& shown, const std::string& what) {
  const double value = std::stod(shown);
  EXPECT_NEAR(value, fromFormula, std::abs(fromFormula) * 1e-5 + 1e-12) << what;
}

TEST(Formulas, EveryHydraulicAndTemperatureFormulaGivesTheCalculatorsResult) {
  const WorkedExample examples[] = {
      {"cmdHP",
       {{"gallons per minute", "txtGPM", "10"}, {"PSI", "txtPSI", "1500"}},
       "Horsepower",
       "lblHP"},
      {"cmdArea", {{"diameter (in.)", "txtDIA", "3"}}, "Area (sq. in.)", "lblArea"},
      {"cmdForce",
       {{"area (sq. in.)", "txtArea1", "7.068583"}, {"PSI", "txtPSI1", "2000"}},
       "Force (lbs.)",
       "lblForce"},
      {"cmdSpeed",
       {{"area (sq. in.)", "txtArea2", "3.141593"}, {"gallons per minute", "txtGPM1", "10"}},
       "Cyl. speed (ft./sec.)",
       "lblCylSpeed"},
      {"cmdTR",
       {{"horsepower", "txtHP2", "10"}, {"RPM", "txtRPM", "1800"}},
       "torque (ft./lbs.)",
       "txtTorque"},
      {"cmdTR",
       {{"torque (ft./lbs.)", "txtTorque", "100"}, {"RPM", "txtRPM", "1000"}},
       "horsepower",
       "txtHP2"},
      {"cmdTR",
       {{"torque (ft./lbs.)", "txtTorque", "30"}, {"horsepower", "txtHP2", "10"}},
       "RPM",
       "txtRPM"},
      {"Command1",
       {{"inside diameter (in.)", "txtIDVel", "0.75"}, {"gallons per minute", "txtGPMVel", "5"}},
       "Velocity (ft./sec.)",
       "lblVelocity"},
      {"cmdTorqueDisplacement",
       {{"PSI", "txtPSITor", "2500"}, {"displacement (cu. in./rev.)", "txtDispTor", "1.5"}},
       "Torque (ft./lbs.)",
       "lblTorqueTor"},
      {"cmdForceAngle",
       {{"total force (lbs.)", "txtTotalForce", "2500"}, {"angle in degrees", "txtAngleAng", "60"}},
       "Force at angle (lbs.)",
       "lblForceAng"},
      {"cmdPumpMotorGPM",
       {{"W", "txtW", "1.5"},
        {"D", "txtD", "2.25"},
        {"L", "txtL", "4"},
        {"RPM", "txtRPMpump", "1200"}},
       "Gallons per minute",
       "lblGPMpump"},
      {"cmdPumpMotorGPM",
       {{"W", "txtW", "0.75"},
        {"D", "txtD", "1.5"},
        {"L", "txtL", "2.5"},
        {"RPM", "txtRPMpump", "1000"}},
       "C.I.R. displacement (cu. in./rev.)",
       "lblCIR"},
      {"Command28", {{"Fahrenheit", "txtFahrenheit1", "100"}}, "Celsius", "lblCelsius1"},
      {"Command29", {{"Celsius", "txtCelsius1", "-40"}}, "Fahrenheit", "lblFahrenheit1"},
      {"Command30", {{"Fahrenheit", "txtFahrenheit2", "212"}}, "Kelvin", "lblKelvin1"},
      {"Command31", {{"Kelvin", "txtKelvin1", "300"}}, "Fahrenheit", "lblFahrenheit2"},
      {"Command32", {{"Celsius", "txtCelsius2", "25"}}, "Kelvin", "lblKelvin2"},
      {"Command33", {{"Kelvin", "txtKelvin2", "300"}}, "Celsius", "lblCelsius2"},
  };
  for (const WorkedExample& example : examples) {
    testing::FakeControls form;
    std::map<std::string, double> names;
    for (const Field& field : example.inputs) {
      form.Put(field.control, field.text);
      names[std::string(field.name)] = std::stod(std::string(field.text));
    }
    Calculate(*ActionOf(example.button).calculator, form);
    const std::string formula = FormulaOf(example.button);
    const double fromFormula = Expression(ClauseFor(formula, example.result), names).Value();
    ExpectAgrees(fromFormula, form.Get(example.shownIn), formula);
  }
}

// The metric formulas, computed from their text as the US ones are, with inputs that are not
// the catalogue's examples.
TEST(Formulas, EveryMetricHydraulicFormulaGivesTheCalculatorsResult) {
  const WorkedExample examples[] = {
      {"cmdHP",
       {{"litres per minute", "txtGPM", "63"}, {"bar", "txtPSI", "160"}},
       "Kilowatts",
       "lblHP"},
      {"cmdArea", {{"diameter (mm)", "txtDIA", "80"}}, "Area (cm²)", "lblArea"},
      {"cmdForce",
       {{"area (cm²)", "txtArea1", "50.26548"}, {"bar", "txtPSI1", "250"}},
       "Force (kN)",
       "lblForce"},
      {"cmdSpeed",
       {{"area (cm²)", "txtArea2", "5.026548"}, {"litres per minute", "txtGPM1", "90"}},
       "Cyl. speed (m/s)",
       "lblCylSpeed"},
      {"cmdTR",
       {{"kilowatts", "txtHP2", "7.5"}, {"RPM", "txtRPM", "1450"}},
       "torque (N·m)",
       "txtTorque"},
      {"cmdTR",
       {{"torque (N·m)", "txtTorque", "250"}, {"RPM", "txtRPM", "2200"}},
       "kilowatts",
       "txtHP2"},
      {"cmdTR",
       {{"torque (N·m)", "txtTorque", "48"}, {"kilowatts", "txtHP2", "11"}},
       "RPM",
       "txtRPM"},
      {"Command1",
       {{"inside diameter (mm)", "txtIDVel", "19"}, {"litres per minute", "txtGPMVel", "45"}},
       "Velocity (m/s)",
       "lblVelocity"},
      {"cmdTorqueDisplacement",
       {{"bar", "txtPSITor", "210"}, {"displacement (cm³/rev)", "txtDispTor", "28"}},
       "Torque (N·m)",
       "lblTorqueTor"},
      {"cmdForceAngle",
       {{"total force (kN)", "txtTotalForce", "40"}, {"angle in degrees", "txtAngleAng", "35"}},
       "Force at angle (kN)",
       "lblForceAng"},
      {"cmdPumpMotorGPM",
       {{"W", "txtW", "18"},
        {"D", "txtD", "36"},
        {"L", "txtL", "60"},
        {"RPM", "txtRPMpump", "1750"}},
       "Litres per minute",
       "lblGPMpump"},
      {"cmdPumpMotorGPM",
       {{"W", "txtW", "18"},
        {"D", "txtD", "36"},
        {"L", "txtL", "60"},
        {"RPM", "txtRPMpump", "1750"}},
       "displacement (cm³/rev)",
       "lblCIR"},
  };
  for (const WorkedExample& example : examples) {
    testing::FakeControls form;
    std::map<std::string, double> names;
    for (const Field& field : example.inputs) {
      form.Put(field.control, field.text);
      names[std::string(field.name)] = std::stod(std::string(field.text));
    }
    const Calculator& calculator = *CalculatorOf(example.button, UnitSystem::kMetric);
    Calculate(calculator, form);
    const double fromFormula =
        Expression(ClauseFor(calculator.formula, example.result), names).Value();
    ExpectAgrees(fromFormula, form.Get(example.shownIn), calculator.formula);
  }
}

TEST(Formulas, EveryUnitPairStatesItsFactorBothWays) {
  for (const UnitPairPlace& pair : UnitPairPlaces()) {
    const std::string formula = FormulaOf(pair.button);
    const std::string a(CaptionTextOf(pair.fieldA));
    const std::string b(CaptionTextOf(pair.fieldB));
    ASSERT_FALSE(a.empty() || b.empty()) << pair.button;
    // A to B, then B to A, each from a value of 100.
    for (const bool toB : {true, false}) {
      testing::FakeControls form;
      form.Put(toB ? pair.fieldA : pair.fieldB, "100");
      Calculate(*ActionOf(pair.button).calculator, form);
      const std::map<std::string, double> names{{toB ? a : b, 100.0}};
      const double fromFormula = Expression(ClauseFor(formula, toB ? b : a), names).Value();
      ExpectAgrees(fromFormula, form.Get(toB ? pair.fieldB : pair.fieldA), formula);
    }
  }
}

TEST(Formulas, EveryCalcButtonAndListHasOneAndTheReadmeListsThem) {
  std::ifstream file(TALLIES_README_PATH);
  ASSERT_TRUE(file) << TALLIES_README_PATH;
  std::stringstream readme;
  readme << file.rdbuf();
  const std::string text = readme.str();
  int named = 0;
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      for (const ControlRow& row : page.controls) {
        const bool computes = row.kind == ControlKind::kList || row.kind == ControlKind::kButton;
        const std::string formula = FormulaOf(row.name);
        EXPECT_EQ(!formula.empty(), computes) << row.name;
        if (formula.empty()) continue;
        EXPECT_EQ(formula.find('\n'), std::string::npos) << row.name;
        EXPECT_NE(text.find("| `" + std::string(row.name) + "` | " + formula + " |"),
                  std::string::npos)
            << "README lacks " << row.name << ": " << formula;
        ++named;
      }
    }
  }
  EXPECT_EQ(named, 9 + 25 + 6 + 2);
  EXPECT_EQ(FormulaOf("cmdAbout"), "");
}

// The README's "Units" section lists every metric formula that differs from the US one.
TEST(Formulas, TheReadmeListsEveryMetricFormula) {
  std::ifstream file(TALLIES_README_PATH);
  ASSERT_TRUE(file) << TALLIES_README_PATH;
  std::stringstream readme;
  readme << file.rdbuf();
  const std::string text = readme.str();
  const std::size_t units = text.find("## Units");
  ASSERT_NE(units, std::string::npos);
  int listed = 0;
  for (const Calculator& calculator : CalculatorCatalogue(UnitSystem::kMetric)) {
    const Calculator* us = CalculatorOf(calculator.control);
    ASSERT_NE(us, nullptr);
    if (us->formula == calculator.formula) continue;
    EXPECT_NE(
        text.find("| `" + std::string(calculator.control) + "` | " + calculator.formula + " |",
                  units),
        std::string::npos)
        << "README lacks " << calculator.control << ": " << calculator.formula;
    ++listed;
  }
  EXPECT_EQ(listed, 9 + 2);
}

}  // namespace
}  // namespace tallies
