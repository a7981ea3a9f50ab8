// Every worked example of the calculators, typed into the real window of tallies.exe and
// read back from it: the same digits as every other build shows.

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "controls/run_calculator.h"
#include "gui_test.h"
#include "window/calculator_catalogue.h"

namespace tallies::gui {
namespace {

constexpr Milliseconds kDialogTimeout{10000};

// Every worked example of the catalogue, the one table the core tests run too: typed in, the
// Calc button clicked (or the list's entry chosen), the results read back whole, or the fault
// report word for word.
class CatalogueExamples : public GuiTest,
                          public ::testing::WithParamInterface<const Calculator*> {};

TEST_P(CatalogueExamples, ShowTheirDigits) {
  const Calculator& calculator = *GetParam();
  const PageLayout* page = PageOf(calculator.control);
  ASSERT_NE(page, nullptr) << calculator.control;
  for (const Example& example : calculator.examples) {
    OpenPage(*page);
    for (const auto& [field, text] : example.given) {
      if (field != calculator.control) {
        ASSERT_TRUE(app().SetText(field, text)) << field;
      }
    }
    if (calculator.kind == CalculatorKind::kLookup) {
      ASSERT_TRUE(app().ChooseListEntry(calculator.control, example.given.front().second));
    } else if (example.fault) {
      // The handler blocks in the message box: post the click, then find the box.
      ASSERT_TRUE(app().PostClick(calculator.control));
      HWND box = app().WaitForMessageBox(kDialogTimeout);
      ASSERT_NE(box, nullptr) << "no message box after " << calculator.control;
      EXPECT_EQ(AppDriver::MessageBoxText(box), FaultReportText(*example.fault));
      ASSERT_TRUE(AppDriver::CloseMessageBox(box));
    } else {
      ASSERT_TRUE(app().Click(calculator.control)) << calculator.control << " did not return";
    }
    // A result too wide for its label shows a shortened form; the result itself is whole.
    for (const auto& [control, text] : example.shown) {
      EXPECT_EQ(app().WholeText(control), text) << calculator.control << " -> " << control;
    }
    EXPECT_EQ(app().WaitForMessageBox(Milliseconds(0)), nullptr);
  }
}

std::vector<const Calculator*> EveryCalculator() {
  std::vector<const Calculator*> all;
  for (const Calculator& calculator : CalculatorCatalogue()) all.push_back(&calculator);
  return all;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueExamples, ::testing::ValuesIn(EveryCalculator()),
                         [](const auto& info) { return std::string(info.param->control); });

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
