// Every worked example of the calculators, typed into the real window of tallies.exe and
// read back from it: the same digits as every other build shows.

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "gui_test.h"

namespace tallies::gui {
namespace {

using Texts = std::vector<std::pair<const char*, const char*>>;

struct CalculatorCase {
  const char* tabSet;
  int tab;
  Texts inputs;  // every other field of the page is empty
  const char* button;
  Texts shown;
};

void PrintTo(const CalculatorCase& c, std::ostream* os) {
  *os << c.button;
  for (const auto& [field, text] : c.inputs) *os << " " << field << "=\"" << text << "\"";
}

class CalculatorExamples : public GuiTest, public ::testing::WithParamInterface<CalculatorCase> {};

TEST_P(CalculatorExamples, ShowTheirDigits) {
  const CalculatorCase& c = GetParam();
  OpenPage(c.tabSet, c.tab);
  for (const auto& [field, text] : c.inputs) ASSERT_TRUE(app().SetText(field, text)) << field;
  ASSERT_TRUE(app().Click(c.button)) << c.button << " did not return (a message box?)";
  // A result too wide for its label shows a shortened form; the result itself is whole.
  for (const auto& [control, text] : c.shown) {
    EXPECT_EQ(app().WholeText(control), text) << c.button << " -> " << control;
  }
  // Inputs the handler does not write keep their text.
  for (const auto& [field, text] : c.inputs) {
    bool written = false;
    for (const auto& shown : c.shown) written = written || std::string(shown.first) == field;
    if (!written) {
      EXPECT_EQ(app().Text(field), text) << field;
    }
  }
  EXPECT_EQ(app().WaitForMessageBox(Milliseconds(0)), nullptr);
}

std::string CaseName(const ::testing::TestParamInfo<CalculatorCase>& info) {
  return std::string(info.param.button) + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(
    Hydraulic, CalculatorExamples,
    ::testing::Values(
        // Pump horsepower.
        CalculatorCase{"SSTabHyd",
                       0,
                       {{"txtGPM", "10"}, {"txtPSI", "1500"}},
                       "cmdHP",
                       {{"lblHP", "8.751458"}}},
        CalculatorCase{"SSTabHyd",
                       0,
                       {{"txtGPM", "10 gpm"}, {"txtPSI", "1500"}},
                       "cmdHP",
                       {{"lblHP", "8.751458"}}},
        CalculatorCase{"SSTabHyd",
                       0,
                       {{"txtGPM", "10"}, {"txtPSI", "-1500"}},
                       "cmdHP",
                       {{"lblHP", "-8.751458"}}},
        CalculatorCase{"SSTabHyd", 0, {}, "cmdHP", {{"lblHP", "0"}}},
        // Cylinder area: one click fills the area inputs of the force and speed rows.
        CalculatorCase{
            "SSTabHyd",
            1,
            {{"txtDIA", "2"}},
            "cmdArea",
            {{"lblArea", "3.141593"}, {"txtArea1", "3.141593"}, {"txtArea2", "3.141593"}}},
        CalculatorCase{
            "SSTabHyd",
            1,
            {{"txtDIA", "3"}},
            "cmdArea",
            {{"lblArea", "7.068583"}, {"txtArea1", "7.068583"}, {"txtArea2", "7.068583"}}},
        CalculatorCase{
            "SSTabHyd",
            1,
            {{"txtDIA", "4"}},
            "cmdArea",
            {{"lblArea", "12.56637"}, {"txtArea1", "12.56637"}, {"txtArea2", "12.56637"}}},
        CalculatorCase{"SSTabHyd", 1, {{"txtDIA", "-2"}}, "cmdArea", {{"lblArea", "3.141593"}}},
        CalculatorCase{
            "SSTabHyd", 1, {}, "cmdArea", {{"lblArea", "0"}, {"txtArea1", "0"}, {"txtArea2", "0"}}},
        // Cylinder force and speed.
        CalculatorCase{"SSTabHyd",
                       1,
                       {{"txtArea1", "3.141593"}, {"txtPSI1", "1000"}},
                       "cmdForce",
                       {{"lblForce", "3141.593"}}},
        CalculatorCase{"SSTabHyd",
                       1,
                       {{"txtArea1", "7.068583"}, {"txtPSI1", "2000"}},
                       "cmdForce",
                       {{"lblForce", "14137.17"}}},
        CalculatorCase{"SSTabHyd",
                       1,
                       {{"txtArea2", "3.141593"}, {"txtGPM1", "10"}},
                       "cmdSpeed",
                       {{"lblCylSpeed", "1.02114"}}},
        CalculatorCase{"SSTabHyd",
                       1,
                       {{"txtArea2", "10"}, {"txtGPM1", "0.0001"}},
                       "cmdSpeed",
                       {{"lblCylSpeed", "0"}}},
        // Torque and horsepower: the first empty field is solved.
        CalculatorCase{"SSTabHyd",
                       2,
                       {{"txtHP2", "10"}, {"txtRPM", "1800"}},
                       "cmdTR",
                       {{"txtTorque", "29.17778"}}},
        CalculatorCase{"SSTabHyd",
                       2,
                       {{"txtHP2", "50"}, {"txtRPM", "1200"}},
                       "cmdTR",
                       {{"txtTorque", "218.8333"}}},
        CalculatorCase{"SSTabHyd",
                       2,
                       {{"txtTorque", "100"}, {"txtRPM", "1000"}},
                       "cmdTR",
                       {{"txtHP2", "19.04037"}}},
        CalculatorCase{"SSTabHyd",
                       2,
                       {{"txtTorque", "29.17778"}, {"txtRPM", "1800"}},
                       "cmdTR",
                       {{"txtHP2", "10"}}},
        CalculatorCase{"SSTabHyd",
                       2,
                       {{"txtTorque", "100"}, {"txtHP2", "10"}},
                       "cmdTR",
                       {{"txtRPM", "525.2"}}},
        CalculatorCase{"SSTabHyd",
                       2,
                       {{"txtTorque", "30"}, {"txtHP2", "10"}},
                       "cmdTR",
                       {{"txtRPM", "1750.667"}}},
        CalculatorCase{"SSTabHyd", 2, {{"txtRPM", "1000"}}, "cmdTR", {{"txtTorque", "0"}}},
        CalculatorCase{"SSTabHyd", 2, {{"txtTorque", "100"}}, "cmdTR", {{"txtHP2", "0"}}},
        // With all three filled the button clears them; a lone blank counts as filled.
        CalculatorCase{"SSTabHyd",
                       2,
                       {{"txtTorque", "100"}, {"txtHP2", "10"}, {"txtRPM", "525.2"}},
                       "cmdTR",
                       {{"txtTorque", ""}, {"txtHP2", ""}, {"txtRPM", ""}}},
        CalculatorCase{"SSTabHyd",
                       2,
                       {{"txtTorque", " "}, {"txtHP2", "10"}, {"txtRPM", "1800"}},
                       "cmdTR",
                       {{"txtTorque", ""}, {"txtHP2", ""}, {"txtRPM", ""}}},
        // Oil velocity.
        CalculatorCase{"SSTabHyd",
                       3,
                       {{"txtIDVel", "1"}, {"txtGPMVel", "10"}},
                       "Command1",
                       {{"lblVelocity", "4.084552"}}},
        CalculatorCase{"SSTabHyd",
                       3,
                       {{"txtIDVel", "0.5"}, {"txtGPMVel", "10"}},
                       "Command1",
                       {{"lblVelocity", "16.33821"}}},
        CalculatorCase{"SSTabHyd",
                       3,
                       {{"txtIDVel", "0.75"}, {"txtGPMVel", "5"}},
                       "Command1",
                       {{"lblVelocity", "3.630713"}}},
        // Torque from displacement.
        CalculatorCase{"SSTabHyd",
                       4,
                       {{"txtDispTor", "2"}, {"txtPSITor", "1000"}},
                       "cmdTorqueDisplacement",
                       {{"lblTorqueTor", "26.52582"}}},
        CalculatorCase{"SSTabHyd",
                       4,
                       {{"txtDispTor", "1.5"}, {"txtPSITor", "2500"}},
                       "cmdTorqueDisplacement",
                       {{"lblTorqueTor", "49.73592"}}},
        CalculatorCase{"SSTabHyd",
                       4,
                       {{"txtDispTor", "0.5"}, {"txtPSITor", "3000"}},
                       "cmdTorqueDisplacement",
                       {{"lblTorqueTor", "19.89437"}}},
        CalculatorCase{"SSTabHyd", 4, {}, "cmdTorqueDisplacement", {{"lblTorqueTor", "0"}}},
        // Force at an angle; at 180 degrees the sine of the short circle constant is tiny but
        // not zero, and its last digits are the same on every platform.
        CalculatorCase{"SSTabHyd",
                       5,
                       {{"txtTotalForce", "1000"}, {"txtAngleAng", "30"}},
                       "cmdForceAngle",
                       {{"lblForceAng", "500"}}},
        CalculatorCase{"SSTabHyd",
                       5,
                       {{"txtTotalForce", "1000"}, {"txtAngleAng", "45"}},
                       "cmdForceAngle",
                       {{"lblForceAng", "707.1068"}}},
        CalculatorCase{"SSTabHyd",
                       5,
                       {{"txtTotalForce", "1000"}, {"txtAngleAng", "90"}},
                       "cmdForceAngle",
                       {{"lblForceAng", "1000"}}},
        CalculatorCase{"SSTabHyd",
                       5,
                       {{"txtTotalForce", "1000"}, {"txtAngleAng", "0"}},
                       "cmdForceAngle",
                       {{"lblForceAng", "0"}}},
        CalculatorCase{"SSTabHyd",
                       5,
                       {{"txtTotalForce", "2500"}, {"txtAngleAng", "60"}},
                       "cmdForceAngle",
                       {{"lblForceAng", "2165.063"}}},
        CalculatorCase{"SSTabHyd",
                       5,
                       {{"txtTotalForce", "1000"}, {"txtAngleAng", "120"}},
                       "cmdForceAngle",
                       {{"lblForceAng", "866.0254"}}},
        CalculatorCase{"SSTabHyd",
                       5,
                       {{"txtTotalForce", "1000"}, {"txtAngleAng", "-30"}},
                       "cmdForceAngle",
                       {{"lblForceAng", "-500"}}},
        CalculatorCase{"SSTabHyd",
                       5,
                       {{"txtTotalForce", "1000"}, {"txtAngleAng", "180"}},
                       "cmdForceAngle",
                       {{"lblForceAng", "3.231089E-12"}}},
        CalculatorCase{"SSTabHyd", 5, {}, "cmdForceAngle", {{"lblForceAng", "0"}}},
        // Gear pump flow and displacement.
        CalculatorCase{"SSTabHyd",
                       6,
                       {{"txtW", "1"}, {"txtD", "2"}, {"txtL", "3.5"}, {"txtRPMpump", "1800"}},
                       "cmdPumpMotorGPM",
                       {{"lblGPMpump", "17.625"}, {"lblCIR", "2.25"}}},
        CalculatorCase{"SSTabHyd",
                       6,
                       {{"txtW", "1.5"}, {"txtD", "2.25"}, {"txtL", "4"}, {"txtRPMpump", "1200"}},
                       "cmdPumpMotorGPM",
                       {{"lblGPMpump", "20.5625"}, {"lblCIR", "3.9375"}}},
        CalculatorCase{"SSTabHyd",
                       6,
                       {{"txtW", "0.75"}, {"txtD", "1.5"}, {"txtL", "2.5"}, {"txtRPMpump", "1000"}},
                       "cmdPumpMotorGPM",
                       {{"lblGPMpump", "4.895833"}, {"lblCIR", "1.125"}}},
        CalculatorCase{
            "SSTabHyd", 6, {}, "cmdPumpMotorGPM", {{"lblGPMpump", "0"}, {"lblCIR", "0"}}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Temperature, CalculatorExamples,
    ::testing::Values(
        CalculatorCase{
            "SSTabGen", 4, {{"txtFahrenheit1", "212"}}, "Command28", {{"lblCelsius1", "100"}}},
        CalculatorCase{
            "SSTabGen", 4, {{"txtFahrenheit1", "32"}}, "Command28", {{"lblCelsius1", "0"}}},
        CalculatorCase{"SSTabGen", 4, {}, "Command28", {{"lblCelsius1", "-17.7777777777778"}}},
        CalculatorCase{
            "SSTabGen", 4, {{"txtCelsius1", "37"}}, "Command29", {{"lblFahrenheit1", "98.6"}}},
        CalculatorCase{
            "SSTabGen", 4, {{"txtFahrenheit2", "212"}}, "Command30", {{"lblKelvin1", "373"}}},
        CalculatorCase{
            "SSTabGen", 4, {{"txtFahrenheit2", "32"}}, "Command30", {{"lblKelvin1", "273"}}},
        CalculatorCase{
            "SSTabGen", 4, {{"txtKelvin1", "0"}}, "Command31", {{"lblFahrenheit2", "-459.4"}}},
        CalculatorCase{
            "SSTabGen", 4, {{"txtKelvin1", "373"}}, "Command31", {{"lblFahrenheit2", "212"}}},
        CalculatorCase{"SSTabGen", 4, {{"txtCelsius2", "0"}}, "Command32", {{"lblKelvin2", "273"}}},
        CalculatorCase{
            "SSTabGen", 4, {{"txtCelsius2", "-300"}}, "Command32", {{"lblKelvin2", "-27"}}},
        CalculatorCase{
            "SSTabGen", 4, {{"txtKelvin2", "0"}}, "Command33", {{"lblCelsius2", "-273"}}},
        CalculatorCase{
            "SSTabGen", 4, {{"txtKelvin2", "273"}}, "Command33", {{"lblCelsius2", "0"}}}),
    CaseName);

// The area row feeds the force row with the area as displayed: diameter 3, then 2000 PSI.
TEST_F(GuiTest, AreaButtonFeedsTheForceRow) {
  OpenPage("SSTabHyd", 1);
  ASSERT_TRUE(app().SetText("txtDIA", "3"));
  ASSERT_TRUE(app().Click("cmdArea"));
  EXPECT_EQ(app().Text("txtArea1"), "7.068583");
  ASSERT_TRUE(app().SetText("txtPSI1", "2000"));
  ASSERT_TRUE(app().Click("cmdForce"));
  EXPECT_EQ(app().Text("lblForce"), "14137.17");
}

// Two clicks: the first solves the empty field, the second finds all three filled and clears.
TEST_F(GuiTest, TorqueButtonSolvesThenClears) {
  OpenPage("SSTabHyd", 2);
  ASSERT_TRUE(app().SetText("txtHP2", "10"));
  ASSERT_TRUE(app().SetText("txtRPM", "1800"));
  ASSERT_TRUE(app().Click("cmdTR"));
  EXPECT_EQ(app().Text("txtTorque"), "29.17778");
  ASSERT_TRUE(app().Click("cmdTR"));
  for (const char* field : {"txtTorque", "txtHP2", "txtRPM"}) EXPECT_EQ(app().Text(field), "");
}

// ---------------------------------------------------------------------------------------------
// The 25 unit pairs, each with one example, and the clearing click that follows it.

struct PairCase {
  const char* button;
  const char* fieldA;
  const char* fieldB;
  const char* textA;  // "" leaves A empty: A receives the conversion of B
  const char* textB;
  const char* expected;  // what the empty field shows after the click
};

void PrintTo(const PairCase& c, std::ostream* os) {
  *os << c.button << " " << c.fieldA << "=\"" << c.textA << "\" " << c.fieldB << "=\"" << c.textB
      << "\"";
}

class UnitPairExamples : public GuiTest, public ::testing::WithParamInterface<PairCase> {};

TEST_P(UnitPairExamples, FillTheEmptyFieldThenClearBoth) {
  const PairCase& c = GetParam();
  const PageLayout* page = PageOf(c.button);
  ASSERT_NE(page, nullptr) << c.button;
  OpenPage(*page);
  ASSERT_TRUE(app().SetText(c.fieldA, c.textA));
  ASSERT_TRUE(app().SetText(c.fieldB, c.textB));
  ASSERT_TRUE(app().Click(c.button)) << c.button;
  const bool fillsA = std::string(c.textA).empty();
  EXPECT_EQ(app().Text(fillsA ? c.fieldA : c.fieldB), c.expected) << c.button;
  EXPECT_EQ(app().Text(fillsA ? c.fieldB : c.fieldA), fillsA ? c.textB : c.textA) << c.button;
  // Both fields now hold text: the next click clears both.
  ASSERT_TRUE(app().Click(c.button)) << c.button;
  EXPECT_EQ(app().Text(c.fieldA), "") << c.button;
  EXPECT_EQ(app().Text(c.fieldB), "") << c.button;
}

std::string PairName(const ::testing::TestParamInfo<PairCase>& info) {
  return std::string(info.param.button) + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPair, UnitPairExamples,
    ::testing::Values(PairCase{"Command2", "txtin1", "txtmm1", "1", "", "25.4"},
                      PairCase{"Command2", "txtin1", "txtmm1", "", "100", "3.93700787401575"},
                      PairCase{"Command3", "txtin2", "txtcm", "2", "", "5.08"},
                      PairCase{"Command4", "txtin3", "txtm", "2", "", "0.0508"},
                      PairCase{"Command5", "txtft", "txtm1", "2", "", "0.6096"},
                      PairCase{"Command5", "txtft", "txtm1", "", "24", "78.740157480315"},
                      PairCase{"Command6", "txtyd", "txtm2", "2", "", "1.8288"},
                      PairCase{"Command7", "txtmi", "txtkm", "1", "", "1.609347"},
                      PairCase{"Command8", "txtcuin", "txtcum1", "1000", "", "0.01639"},
                      PairCase{"Command9", "txtcuft", "txtcum2", "2", "", "0.0566337"},
                      PairCase{"Command10", "txtcuyd", "txtcum3", "2", "", "1.5291098"},
                      PairCase{"Command11", "txtfloz1", "txtml1", "", "100", "3.381402"},
                      PairCase{"Command11", "txtfloz1", "txtml1", "0.1234567", "",
                               "3.651050421151"},
                      PairCase{"Command12", "txtfloz2", "txtcum5", "1000", "", "0.02957"},
                      PairCase{"Command13", "txtgal1", "txt11", "2", "", "7.5708236"},
                      PairCase{"Command14", "txtgal2", "txtcum4", "2", "", "0.00757082"},
                      PairCase{"Command15", "txtgal3", "txtl3", "2", "", "9.092"},
                      PairCase{"Command16", "txtgal4", "txtcum6", "2", "", "0.009092"},
                      PairCase{"Command17", "txtlbwm", "txtkgwm", "", "1", "2.20462247603796"},
                      PairCase{"Command18", "txttonwm", "txtkgwm2", "", "1000", "1.102311"},
                      PairCase{"Command20", "txtklf", "txtkgm1", "1", "", "1488"},
                      PairCase{"Command21", "txtplf", "txtkgm2", "1000", "", "1488"},
                      PairCase{"Command22", "txtpcf", "txtkgcum1", "", "1000", "62.427974"},
                      PairCase{"Command23", "txtlbcuyd", "txtkgcum2", "", "1", "1.68548794876117"},
                      PairCase{"Command24", "txtsqft", "txtsqm1", "2", "", "0.18580608"},
                      PairCase{"Command25", "txtsqin", "txtsqm2", "2", "", "0.00129032"},
                      PairCase{"Command26", "txtsqyd", "txtsqm3", "2", "", "1.67225472"},
                      PairCase{"Command27", "txtac", "txtha", "2", "", "0.8094"}),
    PairName);

// Repeated clicks on an untouched pair: A receives 0, then B receives 0, then both clear.
TEST_F(GuiTest, UnitPairClearCycle) {
  OpenPage("SSTabGen", 0);
  ASSERT_TRUE(app().Click("Command6"));
  EXPECT_EQ(app().Text("txtyd"), "0");
  EXPECT_EQ(app().Text("txtm2"), "");
  ASSERT_TRUE(app().Click("Command6"));
  EXPECT_EQ(app().Text("txtyd"), "0");
  EXPECT_EQ(app().Text("txtm2"), "0");
  ASSERT_TRUE(app().Click("Command6"));
  EXPECT_EQ(app().Text("txtyd"), "");
  EXPECT_EQ(app().Text("txtm2"), "");
}

}  // namespace
}  // namespace tallies::gui
