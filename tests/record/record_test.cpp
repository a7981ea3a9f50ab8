// An entry of the record: made from a calculation, as text in the history file, as plain text,
// Markdown and CSV, and as a link.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "controls/calculate.h"
#include "support/fake_controls.h"
#include "record/entry_formats.h"
#include "record/history_keeper.h"
#include "record/history_text.h"
#include "record/history_texts.h"
#include "record/record_entry.h"
#include "record/share_link.h"
#include "window/calculator_catalogue.h"

namespace tallies {
namespace {

using testing::FakeControls;

std::optional<RecordEntry> Calculated(std::string_view control, UnitSystem units,
                                      std::vector<std::pair<std::string, std::string>> typed,
                                      std::string separator = ".") {
  FakeControls form(separator);
  for (const auto& [field, text] : typed) form.Put(field, text);
  const Calculation done = Calculate(*CalculatorOf(control, units), form, TypedUnits::kRead);
  return EntryOf(done, 1700000000123, "id-1", "1.2.0", separator);
}

TEST(EntryOf, KeepsInputsAsTypedAndResultsWithCaptionsAndUnits) {
  const auto pump = Calculated("cmdHP", UnitSystem::kUS, {{"txtGPM", "10 gpm"}, {"txtPSI", "210 bar"}});
  ASSERT_TRUE(pump);
  EXPECT_EQ(pump->name, CalculatorOf("cmdHP")->name);
  EXPECT_EQ(pump->formula, CalculatorOf("cmdHP")->formula);
  ASSERT_EQ(pump->inputs.size(), 2u);
  EXPECT_EQ(pump->inputs[1].control, "txtPSI");
  EXPECT_EQ(pump->inputs[1].text, "210 bar");
  EXPECT_NEAR(*pump->inputs[1].value, 3045.792, 1e-3);  // read converted into the field's psi
  EXPECT_EQ(pump->inputs[1].unit, "psi");
  ASSERT_EQ(pump->results.size(), 1u);
  EXPECT_EQ(pump->results[0].text, "17.77008");
  EXPECT_EQ(pump->results[0].unit, "hp");
  EXPECT_FALSE(pump->results[0].caption.empty());

  // The area is written into the rows below as well: one result, not three.
  const auto area = Calculated("cmdArea", UnitSystem::kMetric, {{"txtDIA", "50"}}, ",");
  ASSERT_TRUE(area);
  ASSERT_EQ(area->results.size(), 1u);
  EXPECT_EQ(area->results[0].text, "19,63495");
  EXPECT_FLOAT_EQ(static_cast<float>(*area->results[0].value), 19.63495f);
  EXPECT_EQ(area->results[0].unit, "cm²");
  EXPECT_EQ(area->units, UnitSystem::kMetric);

  // A paste of a whole document is kept as its beginning, cut between characters.
  const auto pasted = Calculated("cmdHP", UnitSystem::kUS,
                                 {{"txtGPM", "10" + std::string(300, 'x')}, {"txtPSI", "15" + std::string(253, 'x') + "éé"}});
  ASSERT_TRUE(pasted);
  EXPECT_EQ(pasted->inputs[0].text, "10" + std::string(kLongestRecordedText - 2, 'x') + "…");
  EXPECT_EQ(*pasted->inputs[0].value, 10);
  // "é" is two bytes, the first of them the 256th: the cut falls before it.
  EXPECT_EQ(pasted->inputs[1].text, "15" + std::string(253, 'x') + "…");

  // A fill-the-empty-field calculator with every field filled only empties them: no entry.
  EXPECT_FALSE(Calculated("cmdTR", UnitSystem::kUS,
                          {{"txtTorque", "1"}, {"txtHP2", "2"}, {"txtRPM", "3"}}));
}

RecordEntry Awkward() {
  RecordEntry entry;
  entry.id = "1-abc";
  entry.time = 1700000000123;
  entry.calculator = "cmdHP";
  entry.name = "Pump, \"horsepower\"";
  entry.units = UnitSystem::kMetric;
  entry.formula = "a | b\\c";
  entry.inputs = {{"txtGPM", "Flow\tper\nminute", "1,5\r\n", 1.5, "l/min"},
                  {"Combo1", "Gauge", "10", std::nullopt, ""}};
  entry.results = {{"lblHP", "Power", "0.1", 0.1, "kW"}};
  entry.version = "1.2.0";
  return entry;
}

TEST(HistoryText, ReadsBackWhatItWrote) {
  const std::vector<RecordEntry> entries = {Awkward(), *Calculated("cmdHP", UnitSystem::kUS,
                                                                   {{"txtGPM", "10"}, {"txtPSI", "1500"}})};
  EXPECT_EQ(ReadHistoryText(HistoryText(entries)), entries);
  EXPECT_EQ(ReadHistoryText(""), std::vector<RecordEntry>{});
}

TEST(HistoryText, RefusesWhatIsNoHistoryOfThisVersion) {
  const std::string good = HistoryText(std::vector<RecordEntry>{Awkward()});
  const auto replaced = [&](std::string_view from, std::string_view to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const struct {
    std::string text;
    bool readable;
  } cases[] = {
      {good + "\nid\tx\ncalculator\tcmdHP\nlater-key\tanything\n", true},
      {replaced("Tallies history 1", "Tallies history 2"), false},
      {replaced("time\t1700000000123", "time\t17x"), false},
      {replaced("units\tmetric", "units\tsi"), false},
      {replaced("\t1.5\t", "\tone\t"), false},
      {replaced("\\t", "\\q"), false},
      {replaced("id\t1-abc", "id\t"), false},
      {replaced("\tlbl", "\t\tlbl"), false},
      {"\x89PNG\r\n", false},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadHistoryText(c.text).has_value(), c.readable) << c.text;
  // An entry cut short at the end, at any byte, is no entry: the history is what it was before.
  const std::string two = HistoryText(std::vector<RecordEntry>{Awkward(), Awkward()});
  const std::size_t firstEnd = good.size();
  for (std::size_t cut = firstEnd; cut < two.size(); ++cut) {
    const std::optional<HistoryRead> read = ReadHistory(two.substr(0, cut));
    ASSERT_TRUE(read) << cut;
    EXPECT_EQ(read->entries.size(), 1u) << cut;
    EXPECT_EQ(read->end, firstEnd) << cut;
  }
}

TEST(EntryFormats, TimeTextsAndTables) {
  const struct {
    std::int64_t time;
    std::string_view text;
  } times[] = {{0, "1970-01-01 00:00:00 UTC"},
               {951782400000, "2000-02-29 00:00:00 UTC"},
               {1700000000123, "2023-11-14 22:13:20 UTC"},
               {-1, "1969-12-31 23:59:59 UTC"}};
  for (const auto& t : times) EXPECT_EQ(EntryTime(t.time), t.text);

  const RecordEntry entry = Awkward();
  EXPECT_EQ(HistoryCsv(std::vector<RecordEntry>{entry}),
            "time,calculator,units,role,caption,text,value,unit\r\n"
            "2023-11-14T22:13:20Z,\"Pump, \"\"horsepower\"\"\",Metric,input,\"Flow\tper\nminute\","
            "\"1,5\r\n\",1.5,l/min\r\n"
            "2023-11-14T22:13:20Z,\"Pump, \"\"horsepower\"\"\",Metric,input,Gauge,10,,\r\n"
            "2023-11-14T22:13:20Z,\"Pump, \"\"horsepower\"\"\",Metric,result,Power,0.1,0.1,kW\r\n");
  const std::string markdown = EntryMarkdown(entry);
  EXPECT_NE(markdown.find("| Input | Flow\tper minute | 1,5   | l/min |\n"), std::string::npos)
      << markdown;
  EXPECT_NE(markdown.find("Formula: a \\| b\\\\c\n"), std::string::npos) << markdown;
  EXPECT_EQ(EntryPlainText(entry),
            "Pump, \"horsepower\" (Metric units), 2023-11-14 22:13:20 UTC\n"
            "Flow\tper\nminute: 1,5\r\n l/min\nGauge: 10\nPower: 0.1 kW\nFormula: a | b\\c\n");
}

// The list's line and the printed sheet: every text of an entry is escaped, never markup.
TEST(HistoryTexts, SummaryAndSheetShowTheEntryAsText) {
  RecordEntry entry = Awkward();
  entry.inputs[0].text = "<script>alert(1)</script>";
  EXPECT_EQ(EntrySummary(entry), "Pump, \"horsepower\": Power 0.1 kW");
  const std::string sheet = WorkedSheetHtml(std::vector<RecordEntry>{entry});
  EXPECT_EQ(sheet.find("<script>"), std::string::npos);
  EXPECT_NE(sheet.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
  EXPECT_NE(sheet.find("Worked: Power = 0.1 kW, from Flow\tper\nminute = &lt;script&gt;alert(1)"
                       "&lt;/script&gt; l/min and Gauge = 10, by a | b\\c"),
            std::string::npos)
      << sheet;
  EXPECT_EQ(WorkedSheetLines(std::vector<RecordEntry>{entry}),
            (std::vector<std::string>{
                "Tallies: worked calculations", "", "Pump, \"horsepower\"",
                "2023-11-14 22:13:20 UTC, Metric units, Tallies 1.2.0",
                "Given  Flow\tper\nminute: <script>alert(1)</script> l/min", "Given  Gauge: 10",
                "Result Power: 0.1 kW",
                "Worked: Power = 0.1 kW, from Flow\tper\nminute = <script>alert(1)</script> l/min "
                "and Gauge = 10, by a | b\\c"}));
}

// Without a file the history lasts while the window does, bounded as the file is.
TEST(HistoryKeeper, WithoutAFileKeepsTheNewestEntries) {
  HistoryKeeper history;
  for (std::size_t i = 0; i <= kHistoryLimit; ++i) {
    RecordEntry entry = Awkward();
    entry.id = std::to_string(i);
    EXPECT_EQ(history.Add(entry), "");
  }
  ASSERT_EQ(history.Entries().size(), kHistoryLimit);
  EXPECT_EQ(history.Entries().front().id, "1");
  EXPECT_NE(history.Find("7"), nullptr);
  history.Remove("7");
  EXPECT_EQ(history.Find("7"), nullptr);
  history.Clear();
  EXPECT_TRUE(history.Entries().empty());
}

TEST(FullNumber, IsTheShortestTextThatReadsBackExactly) {
  const struct {
    double value;
    std::string_view text;
  } cases[] = {{10, "10"}, {0.1, "0.1"}, {double(0.1f), "0.10000000149011612"},
               {1.0 / 3, "0.3333333333333333"}, {1e-5, "1e-05"}, {-0.0, "-0"}};
  for (const auto& c : cases) EXPECT_EQ(FullNumber(c.value), c.text);
}

TEST(ShareLink, CarriesTheCalculatorUnitsAndInputs) {
  const auto pump = Calculated("cmdHP", UnitSystem::kUS, {{"txtGPM", "10 gpm"}, {"txtPSI", "1,5&x=<b>"}});
  const std::string fragment = ShareFragment(*pump);
  EXPECT_EQ(fragment, "calc=cmdHP&units=us&txtGPM=10%20gpm&txtPSI=1%2C5%26x%3D%3Cb%3E");
  EXPECT_EQ(ShareLink("https://example.org/tallies/", *pump),
            "https://example.org/tallies/#" + fragment);
  const SharedCalculation expected{"cmdHP", UnitSystem::kUS, {{"txtGPM", "10 gpm"}, {"txtPSI", "1,5&x=<b>"}}};
  EXPECT_EQ(ReadShareFragment("#" + fragment), expected);
  const auto metric = ReadShareFragment("units=metric&txtDIA=50&calc=cmdArea");
  ASSERT_TRUE(metric);
  EXPECT_EQ(metric->units, UnitSystem::kMetric);
}

TEST(ShareLink, IgnoresAFragmentThatIsNotALinkToACalculation) {
  const std::string_view refused[] = {
      "", "#", "calc=cmdHP&txtGPM", "calc=cmdHP&txtGPM=%4", "calc=cmdHP&txtGPM=%zz",
      "calc=cmdHP&txtGPM=%FF", "calc=cmdHP&txtGPM=%0A", "calc=cmdHP&txtGPM=1&txtGPM=2",
      "calc=cmdNone", "calc=cmdHP&units=si", "calc=cmdHP&lblHP=8", "calc=cmdHP&txtArea=1",
      "txtGPM=10", "calc=cmdHP&&txtGPM=1"};
  for (const std::string_view fragment : refused) {
    EXPECT_FALSE(ReadShareFragment(fragment)) << fragment;
  }
  EXPECT_FALSE(ReadShareFragment("calc=cmdHP&txtGPM=" + std::string(kLongestSharedText + 1, '1')));
  EXPECT_FALSE(ReadShareFragment("calc=cmdHP&txtGPM=" + std::string(1 << 20, '1')));
  EXPECT_TRUE(ReadShareFragment("calc=cmdHP&txtGPM=" + std::string(kLongestSharedText, '1')));
}

}  // namespace
}  // namespace tallies
