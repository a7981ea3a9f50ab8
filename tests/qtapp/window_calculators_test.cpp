// Every calculator through the real window: type into the fields, click the
// button, read what the window shows.

#include <QComboBox>
#include <QLabel>

#include "qtapp/gauge_list.h"
#include "qtapp/tab_set.h"
#include "conversions/unit_pairs.h"
#include "window_fixture.h"

namespace tallies::testing {
namespace {

struct Page {
  const char* tabSet;
  int tab;
};

struct CalculatorCase {
  Page page;
  std::vector<std::pair<const char*, const char*>> inputs;
  const char* button;
  std::vector<std::pair<const char*, const char*>> shown;
};

class WindowCalculators : public WindowTest,
                          public ::testing::WithParamInterface<CalculatorCase> {
 protected:
  void open(const Page& page) {
    if (std::string_view(page.tabSet) == "SSTabHyd") {
      window().showView(*ViewOfOption("optHyd"));
    } else {
      window().showView(*ViewOfOption("optGen"));
    }
    if (std::string_view(page.tabSet) == "SSTab1") window().tabSet("SSTabGen")->setCurrentIndex(2);
    window().tabSet(page.tabSet)->setCurrentIndex(page.tab);
  }
};

TEST_P(WindowCalculators, ShowsTheResult) {
  const CalculatorCase& c = GetParam();
  show();
  open(c.page);
  for (const auto& [field, value] : c.inputs) type(field, value);
  click(c.button);
  for (const auto& [control, value] : c.shown) {
    EXPECT_EQ(text(control), QString::fromUtf8(value)) << c.button << " " << control;
  }
  EXPECT_TRUE(messages().messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryButton, WindowCalculators,
    ::testing::Values(
        CalculatorCase{{"SSTabHyd", 0}, {{"txtGPM", "10"}, {"txtPSI", "1500"}}, "cmdHP",
                       {{"lblHP", "8.751458"}}},
        CalculatorCase{{"SSTabHyd", 1}, {{"txtDIA", "3"}}, "cmdArea",
                       {{"lblArea", "7.068583"}, {"txtArea1", "7.068583"}, {"txtArea2", "7.068583"}}},
        CalculatorCase{{"SSTabHyd", 1}, {{"txtArea1", "3.141593"}, {"txtPSI1", "1000"}}, "cmdForce",
                       {{"lblForce", "3141.593"}}},
        CalculatorCase{{"SSTabHyd", 1}, {{"txtArea2", "3.141593"}, {"txtGPM1", "10"}}, "cmdSpeed",
                       {{"lblCylSpeed", "1.02114"}}},
        CalculatorCase{{"SSTabHyd", 2}, {{"txtHP2", "10"}, {"txtRPM", "1800"}}, "cmdTR",
                       {{"txtTorque", "29.17778"}}},
        CalculatorCase{{"SSTabHyd", 3}, {{"txtIDVel", "1"}, {"txtGPMVel", "10"}}, "Command1",
                       {{"lblVelocity", "4.084552"}}},
        CalculatorCase{{"SSTabHyd", 4}, {{"txtDispTor", "2"}, {"txtPSITor", "1000"}},
                       "cmdTorqueDisplacement", {{"lblTorqueTor", "26.52582"}}},
        CalculatorCase{{"SSTabHyd", 5}, {{"txtTotalForce", "1000"}, {"txtAngleAng", "30"}},
                       "cmdForceAngle", {{"lblForceAng", "500"}}},
        CalculatorCase{{"SSTabHyd", 6},
                       {{"txtW", "1"}, {"txtD", "2"}, {"txtL", "3.5"}, {"txtRPMpump", "1800"}},
                       "cmdPumpMotorGPM", {{"lblGPMpump", "17.625"}, {"lblCIR", "2.25"}}},
        CalculatorCase{{"SSTabGen", 0}, {{"txtmm1", "100"}}, "Command2",
                       {{"txtin1", "3.93700787401575"}, {"txtmm1", "100"}}},
        CalculatorCase{{"SSTabGen", 0}, {{"txtmi", "1"}}, "Command7", {{"txtkm", "1.609347"}}},
        CalculatorCase{{"SSTabGen", 1}, {{"txtml1", "100"}}, "Command11",
                       {{"txtfloz1", "3.381402"}}},
        CalculatorCase{{"SSTab1", 0}, {{"txtkgwm2", "1000"}}, "Command18",
                       {{"txttonwm", "1.102311"}}},
        CalculatorCase{{"SSTab1", 2}, {{"txtkgcum1", "1000"}}, "Command22",
                       {{"txtpcf", "62.427974"}}},
        CalculatorCase{{"SSTabGen", 4}, {{"txtFahrenheit1", ""}}, "Command28",
                       {{"lblCelsius1", "-17.7777777777778"}}},
        CalculatorCase{{"SSTabGen", 4}, {{"txtCelsius1", "37"}}, "Command29",
                       {{"lblFahrenheit1", "98.6"}}},
        CalculatorCase{{"SSTabGen", 4}, {{"txtFahrenheit2", "212"}}, "Command30",
                       {{"lblKelvin1", "373"}}},
        CalculatorCase{{"SSTabGen", 4}, {{"txtKelvin1", "0"}}, "Command31",
                       {{"lblFahrenheit2", "-459.4"}}},
        CalculatorCase{{"SSTabGen", 4}, {{"txtCelsius2", "-300"}}, "Command32",
                       {{"lblKelvin2", "-27"}}},
        CalculatorCase{{"SSTabGen", 4}, {{"txtKelvin2", "0"}}, "Command33",
                       {{"lblCelsius2", "-273"}}}));

TEST_F(WindowTest, AreaButtonFeedsTheForceRow) {
  show();
  window().tabSet("SSTabHyd")->setCurrentIndex(1);
  type("txtDIA", "3");
  click("cmdArea");
  type("txtPSI1", "2000");
  click("cmdForce");
  EXPECT_EQ(text("lblForce"), "14137.17");
}

// Every one of the 25 pair buttons is wired to its own two fields.
TEST_F(WindowTest, EveryUnitPairButtonFillsItsOwnField) {
  show();
  window().showView(*ViewOfOption("optGen"));
  for (const UnitPair& pair : UnitPairTable()) {
    for (int tab = 0; tab < 4; ++tab) {
      TabSet* general = window().tabSet("SSTabGen");
      general->setCurrentIndex(tab);
      if (window().control(pair.button)->isVisible()) break;
      if (tab == 2) {
        for (int massTab = 0; massTab < 3; ++massTab) {
          window().tabSet("SSTab1")->setCurrentIndex(massTab);
          if (window().control(pair.button)->isVisible()) break;
        }
        if (window().control(pair.button)->isVisible()) break;
      }
    }
    type(pair.fieldA, "2");
    click(pair.button);
    EXPECT_FALSE(text(pair.fieldB).isEmpty()) << pair.button;
    EXPECT_EQ(text(pair.fieldA), "2") << pair.button;
    // A second click finds both fields filled and clears them.
    click(pair.button);
    EXPECT_EQ(text(pair.fieldA), "") << pair.button;
    EXPECT_EQ(text(pair.fieldB), "") << pair.button;
  }
}

TEST_F(WindowTest, FaultIsReportedAndTheWindowKeepsItsTexts) {
  show();
  window().tabSet("SSTabHyd")->setCurrentIndex(1);
  window().SetCaption("lblCylSpeed", "1.02114");
  type("txtArea2", "");
  type("txtGPM1", "");
  click("cmdSpeed");
  ASSERT_EQ(messages().messages().size(), 1u);
  EXPECT_NE(messages().messages()[0].find("Invalid operation"), std::string::npos);
  EXPECT_EQ(text("lblCylSpeed"), "1.02114");
  EXPECT_TRUE(window().isVisible());

  messages().clear();
  type("txtGPM1", "10");
  click("cmdSpeed");
  ASSERT_EQ(messages().messages().size(), 1u);
  EXPECT_NE(messages().messages()[0].find("Division by zero"), std::string::npos);

  messages().clear();
  window().tabSet("SSTabHyd")->setCurrentIndex(0);
  type("txtGPM", "1E39");
  click("cmdHP");
  ASSERT_EQ(messages().messages().size(), 1u);
  EXPECT_NE(messages().messages()[0].find("Overflow"), std::string::npos);
  EXPECT_EQ(text("lblHP"), "");
}

TEST(WindowRegional, DecimalCommaReadsBackWhole) {
  RecordingMessageBox messages;
  frmMain window(messages, QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(window.DecimalSeparator(), ",");
  window.control<QLineEdit>("txtDIA")->setText("3");
  QTest::mouseClick(window.control("cmdArea"), Qt::LeftButton);
  EXPECT_EQ(window.Text("txtArea1"), "7,068583");
  window.control<QLineEdit>("txtPSI1")->setText("2000");
  QTest::mouseClick(window.control("cmdForce"), Qt::LeftButton);
  EXPECT_EQ(window.Text("lblForce"), "14137,17");
  EXPECT_TRUE(messages.messages().empty());
}

class GaugeChoice : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    show();
    window().showView(*ViewOfOption("optGen"));
    window().tabSet("SSTabGen")->setCurrentIndex(5);
  }
};

TEST_F(GaugeChoice, ArrowKeysChooseAnEntry) {
  auto* wire = window().control<GaugeList>("Combo2");
  wire->setFocus();
  QTest::keyClick(wire, Qt::Key_Down);
  EXPECT_EQ(wire->currentText(), "8/0");
  EXPECT_EQ(text("lblWireGauge"), "0.7314");
  EXPECT_EQ(text("lblSteelGauge"), "");
  for (int i = 1; i < 64; ++i) QTest::keyClick(wire, Qt::Key_Down);
  EXPECT_EQ(wire->currentText(), "56");
  EXPECT_EQ(text("lblWireGauge"), "0.00049");
  QTest::keyClick(wire, Qt::Key_Up);
  EXPECT_EQ(text("lblWireGauge"), "0.00055");
}

TEST_F(GaugeChoice, ChoosingFromTheDropDownShowsTheThickness) {
  auto* sheet = window().control<GaugeList>("Combo1");
  // What the drop-down part reports when the user picks "38".
  sheet->setCurrentIndex(35);
  emit sheet->activated(35);
  EXPECT_EQ(text("lblSteelGauge"), "0.0060");
  EXPECT_EQ(text("lblWireGauge"), "");
}

TEST_F(GaugeChoice, TypingIntoTheListChangesNoLabel) {
  auto* sheet = window().control<GaugeList>("Combo1");
  sheet->setFocus();
  sheet->lineEdit()->selectAll();
  QTest::keyClicks(sheet, "20");
  QTest::keyClick(sheet, Qt::Key_Return);
  EXPECT_EQ(sheet->currentText(), "20");
  EXPECT_EQ(text("lblSteelGauge"), "");
  // Leaving the list after typing a gauge does not choose it either.
  window().control("txtin1")->setFocus();
  window().control<QLineEdit>("txtin1")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(text("lblSteelGauge"), "");
}

}  // namespace
}  // namespace tallies::testing
