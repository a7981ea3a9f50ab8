#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "gauges/gauge_tables.h"
#include "support/catalogue_click.h"
#include "support/fake_controls.h"

namespace tallies {
namespace {

using testing::FakeControls;
using Write = FakeControls::Write;
using WriteKind = FakeControls::WriteKind;

void Choose(FakeControls& form, std::string_view list, std::string_view entry) {
  form.Put(list, entry);
  testing::ClickThroughCatalogue(form, list);
}

TEST(GaugeLists, WiresBothLists) {
  std::vector<std::string> wired;
  for (const Calculator& calculator : CalculatorCatalogue()) {
    if (calculator.kind == CalculatorKind::kLookup) wired.emplace_back(calculator.control);
  }
  EXPECT_EQ(wired, (std::vector<std::string>{"Combo1", "Combo2"}));
}

TEST(GaugeLists, SheetMetalChoiceWritesOnlyTheSteelLabel) {
  FakeControls form;
  form.Put("lblWireGauge", "0.1019");
  Choose(form, "Combo1", "38");
  EXPECT_EQ(form.writes(), (std::vector<Write>{{"lblSteelGauge", "0.0060", WriteKind::kCaption}}));
  EXPECT_EQ(form.reads(), std::vector<std::string>{"Combo1"});
  EXPECT_EQ(form.Get("lblWireGauge"), "0.1019");
}

TEST(GaugeLists, WireChoiceWritesOnlyTheWireLabel) {
  FakeControls form;
  form.Put("lblSteelGauge", "0.0060");
  Choose(form, "Combo2", "56");
  EXPECT_EQ(form.writes(), (std::vector<Write>{{"lblWireGauge", "0.00049", WriteKind::kCaption}}));
  EXPECT_EQ(form.reads(), std::vector<std::string>{"Combo2"});
  EXPECT_EQ(form.Get("lblSteelGauge"), "0.0060");
}

TEST(GaugeLists, EachListConsultsItsOwnTable) {
  FakeControls form;
  Choose(form, "Combo1", "20");
  Choose(form, "Combo2", "20");
  EXPECT_EQ(form.Get("lblSteelGauge"), "0.0359");
  EXPECT_EQ(form.Get("lblWireGauge"), "0.0320");

  Choose(form, "Combo2", "19");
  EXPECT_EQ(form.Get("lblWireGauge"), "0.0359");
  Choose(form, "Combo2", "4/0");
  EXPECT_EQ(form.Get("lblWireGauge"), "0.4600");
  Choose(form, "Combo2", "8/0");
  EXPECT_EQ(form.Get("lblWireGauge"), "0.7314");
}

// Every entry the window puts in a list finds its own row.
TEST(GaugeLists, EveryEntryShowsItsThickness) {
  for (const GaugeRow& row : SheetMetalGaugeTable()) {
    FakeControls form;
    Choose(form, "Combo1", row.gauge);
    EXPECT_EQ(form.Get("lblSteelGauge"), row.thickness);
  }
  for (const GaugeRow& row : WireGaugeTable()) {
    FakeControls form;
    Choose(form, "Combo2", row.gauge);
    EXPECT_EQ(form.Get("lblWireGauge"), row.thickness);
  }
}

struct NoMatchCase {
  const char* list;
  const char* text;
};

class GaugeListNoMatch : public ::testing::TestWithParam<NoMatchCase> {};

TEST_P(GaugeListNoMatch, LeavesTheLabelAsItWas) {
  FakeControls form;
  form.Put("lblSteelGauge", "0.1345");
  form.Put("lblWireGauge", "0.2893");
  Choose(form, GetParam().list, GetParam().text);
  EXPECT_TRUE(form.writes().empty());
  EXPECT_EQ(form.Get("lblSteelGauge"), "0.1345");
  EXPECT_EQ(form.Get("lblWireGauge"), "0.2893");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GaugeListNoMatch,
    ::testing::Values(NoMatchCase{"Combo1", "Select Gauge"}, NoMatchCase{"Combo1", " 10"},
                      NoMatchCase{"Combo1", "010"}, NoMatchCase{"Combo1", "10.0"},
                      NoMatchCase{"Combo1", ""}, NoMatchCase{"Combo1", "8/0"},
                      NoMatchCase{"Combo2", "Select Gauge"}, NoMatchCase{"Combo2", "8/o"},
                      NoMatchCase{"Combo2", " 1"}, NoMatchCase{"Combo2", "01"},
                      NoMatchCase{"Combo2", "1/0 "}));

}  // namespace
}  // namespace tallies
