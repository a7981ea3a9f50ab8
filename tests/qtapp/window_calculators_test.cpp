// Every calculator through the real window: type into the fields, click the
// button, read what the window shows.

#include <QComboBox>
#include <QLabel>

#include "qtapp/gauge_list.h"
#include "qtapp/tab_set.h"
#include "window/calculator_catalogue.h"
#include "window_fixture.h"

namespace tallies::testing {
namespace {

// Every worked example of the catalogue, typed into the real window: the Calc button
// clicked (or the list's entry chosen), then the results read as the window shows them, or
// the fault report and every output as it was.
class WindowCalculators : public WindowTest,
                          public ::testing::WithParamInterface<const Calculator*> {};

TEST_P(WindowCalculators, ShowWorkedExamples) {
  const Calculator& calculator = *GetParam();
  show();
  for (const Example& example : calculator.examples) {
    messages().clear();
    reveal(calculator.control);
    for (const auto& [field, value] : example.given) {
      if (field != calculator.control) type(field, QString::fromUtf8(value.data(), value.size()));
    }
    if (calculator.kind == CalculatorKind::kLookup) {
      auto* list = window().control<GaugeList>(calculator.control);
      const int entry = list->findText(QString::fromUtf8(example.given.front().second.data(),
                                                         example.given.front().second.size()));
      ASSERT_GE(entry, 0);
      list->setCurrentIndex(entry);
      emit list->activated(entry);
    } else {
      click(calculator.control);
    }
    for (const auto& [control, value] : example.shown) {
      EXPECT_EQ(text(control).toStdString(), value) << calculator.control << " " << control;
    }
    if (example.fault) {
      ASSERT_EQ(messages().messages().size(), 1u);
      EXPECT_NE(messages().messages()[0].find(FaultKindName(*example.fault)), std::string::npos);
    } else {
      EXPECT_TRUE(messages().messages().empty());
    }
  }
}

std::vector<const Calculator*> EveryCalculator() {
  std::vector<const Calculator*> all;
  for (const Calculator& calculator : CalculatorCatalogue()) all.push_back(&calculator);
  return all;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, WindowCalculators, ::testing::ValuesIn(EveryCalculator()),
                         [](const auto& info) { return std::string(info.param->control); });

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
  for (const UnitPairPlace& pair : UnitPairPlaces()) {
    reveal(pair.button);
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
