// The module's entry points called as the page calls them, under Node: a fault inside the module
// (memory that runs out, made to happen here by the replaced operator new) comes back as the
// message the page shows, after which the module works on as before. The browser test pastes
// texts of 5 MB through the page.

#include <emscripten/emscripten.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <string_view>

extern "C" {
const char* tallies_set_decimal_separator(const char* separator);
const char* tallies_type(const char* control, const char* text);
const char* tallies_click(const char* control, const char* stored);
const char* tallies_copied(const char* control, const char* shown, const char* selection);
const char* tallies_choose_units(const char* entry);
const char* tallies_use_settings(const char* settings);
const char* tallies_history_load(const char* stored);
const char* tallies_history_entry(const char* id, const char* form);
const char* tallies_history_recall(const char* id);
const char* tallies_history_delete(const char* stored, const char* id);
}

namespace {

// Allocations of at least this many bytes fail while a test asks them to.
std::size_t g_failFrom = SIZE_MAX;
// While a test asks it, this many allocations succeed and every one after them fails.
std::size_t g_allocationsLeft = SIZE_MAX;

// The page's measure of a text, as the page hands it to the module: here every character is
// `width` pixels wide.
void MeasureCharactersAs(double width) {
  EM_ASM(
      {
        Module.measureText = function(text) { return text.length * $0; };
      },
      width);
}
[[maybe_unused]] const bool kMeasured = (MeasureCharactersAs(0), true);

}  // namespace

void* operator new(std::size_t size) {
  if (size >= g_failFrom) throw std::bad_alloc();
  if (g_allocationsLeft != SIZE_MAX) {
    if (g_allocationsLeft == 0) throw std::bad_alloc();
    --g_allocationsLeft;
  }
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace {

bool Holds(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// The pump horsepower of 10 gpm at 1500 psi, as an ordinary Calc gives it.
std::string OrdinaryCalc() {
  EXPECT_STREQ(tallies_type("txtGPM", "10"), "");
  EXPECT_STREQ(tallies_type("txtPSI", "1500"), "");
  return tallies_click("cmdHP", "");
}

struct FaultCase {
  const char* what;
  std::size_t failFrom;               // allocations of this size and more fail
  std::function<const char*()> call;  // the entry point, as the page calls it
};

class ExportFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ExportFaultTest, IsReportedAsTheMessageAndTheModuleWorksOn) {
  const FaultCase& c = GetParam();
  g_failFrom = c.failFrom;
  const char* raw = c.call();
  g_failFrom = SIZE_MAX;
  const std::string answer = raw;
  EXPECT_TRUE(Holds(answer, "There is not enough memory for the text in the fields."))
      << c.what << ": " << answer;
  const std::string after = OrdinaryCalc();
  EXPECT_TRUE(Holds(after, "\"8.751458\"")) << c.what << ", then: " << after;
  EXPECT_TRUE(Holds(after, "\"message\":\"\"")) << c.what << ", then: " << after;
}

const std::string kLongText(2'000'000, '7');

INSTANTIATE_TEST_SUITE_P(
    MemoryRunsOut, ExportFaultTest,
    ::testing::Values(FaultCase{"a long text finds no room", 1'000'000,
                                [] { return tallies_type("txtGPM", kLongText.c_str()); }},
                      FaultCase{"the page could not place a text", SIZE_MAX,
                                [] { return tallies_type("txtGPM", nullptr); }},
                      FaultCase{"the page could not place a control's name", SIZE_MAX,
                                [] { return tallies_type(nullptr, "10"); }},
                      FaultCase{"the page could not place the separator", SIZE_MAX,
                                [] { return tallies_set_decimal_separator(nullptr); }},
                      FaultCase{"no allocation succeeds during a click", 0,
                                [] { return tallies_click("cmdHP", ""); }},
                      FaultCase{"the page could not place the clicked control's name", SIZE_MAX,
                                [] { return tallies_click(nullptr, ""); }},
                      // The units stay US, so the Calc after it gives the US horsepower.
                      FaultCase{"no allocation succeeds during a switch of units", 0,
                                [] { return tallies_choose_units("Metric"); }},
                      FaultCase{"the page could not place the units entry", SIZE_MAX,
                                [] { return tallies_choose_units(nullptr); }},
                      FaultCase{"no allocation succeeds in reading the settings", 0,
                                [] { return tallies_use_settings("units=metric"); }},
                      FaultCase{"the page could not place the settings", SIZE_MAX,
                                [] { return tallies_use_settings(nullptr); }},
                      FaultCase{"the page could not place the stored history", SIZE_MAX,
                                [] { return tallies_click("cmdHP", nullptr); }},
                      FaultCase{"no allocation succeeds in reading the history", 0,
                                [] { return tallies_history_load(""); }},
                      FaultCase{"the page could not place an entry's id", SIZE_MAX,
                                [] { return tallies_history_delete("", nullptr); }}));

TEST(Exports, AClickAnsweredWithAFaultIsStillTheClickAnswer) {
  g_failFrom = 0;
  const char* raw = tallies_click("cmdHP", "");
  g_failFrom = SIZE_MAX;
  const std::string answer = raw;
  EXPECT_EQ(answer.rfind("{\"ran\":false,\"writes\":[],\"message\":", 0), 0u) << answer;
  EXPECT_TRUE(Holds(answer, ",\"said\":\"\",\"description\":\"\",\"history\":null}")) << answer;
}

// A units answer with a fault names no units (the page keeps those it shows) and is in the
// form of every units answer.
TEST(Exports, AUnitsAnswerWithAFaultNamesNoUnits) {
  g_failFrom = 0;
  const char* raw = tallies_choose_units("Metric");
  g_failFrom = SIZE_MAX;
  const std::string answer = raw;
  EXPECT_EQ(answer.rfind(R"({"units":"","settings":"","writes":[],"formulas":[],"message":")", 0),
            0u)
      << answer;
}

// A switch of units that memory fails at any point, in the switch or in its answer, leaves the
// module as it was: the Calc after it reads the fields as typed, in US units.
TEST(Exports, ASwitchOfUnitsStoppedAnywhereChangesNothing) {
  int stopped = 0;
  for (std::size_t allowed = 0; allowed < 100'000; ++allowed) {
    ASSERT_STREQ(tallies_type("txtGPM", "10"), "");
    ASSERT_STREQ(tallies_type("txtPSI", "1500"), "");
    g_allocationsLeft = allowed;
    const char* raw = tallies_choose_units("Metric");
    g_allocationsLeft = SIZE_MAX;
    if (Holds(raw, R"({"units":"Metric")")) break;
    ++stopped;
    const std::string after = tallies_click("cmdHP", "");
    ASSERT_TRUE(Holds(after, R"("text":"8.751458")")) << allowed << " allocations: " << after;
  }
  EXPECT_GT(stopped, 10);
  EXPECT_TRUE(Holds(tallies_choose_units("US"), R"({"units":"US")"));
}

// The kept settings and the list's entries switch the module's units; a Calc speaks them.
TEST(Exports, TheSettingsAndTheUnitsListSwitchTheUnits) {
  const struct {
    const char* (*call)(const char*);
    const char* text;
    std::string_view units;
  } cases[] = {
      {tallies_use_settings, "units=metric\n", R"({"units":"Metric")"},
      {tallies_choose_units, "US", R"({"units":"US")"},
      {tallies_choose_units, "Metric", R"({"units":"Metric")"},
      {tallies_use_settings, "nonsense", R"({"units":"US")"},
  };
  for (const auto& c : cases) {
    const std::string answer = c.call(c.text);
    EXPECT_EQ(answer.rfind(c.units, 0), 0u) << c.text << ": " << answer;
    EXPECT_EQ(Holds(OrdinaryCalc(), " hp\""), c.units.find("US") != std::string_view::npos)
        << c.text;
  }
}

// The module fits a result with the page's measure: too wide at every size, it is drawn at the
// smallest size in its shortest form.
TEST(Exports, ResultsAreFittedWithThePagesMeasure) {
  MeasureCharactersAs(1e9);
  const std::string wide = OrdinaryCalc();
  MeasureCharactersAs(0);
  EXPECT_TRUE(Holds(wide, R"("text":"8.751458","caption":true,"points":6.5,"shown":"8…")")) << wide;
  EXPECT_TRUE(Holds(OrdinaryCalc(), R"("points":8,"shown":"8.751458")"));
}

TEST(Exports, CopyingAResultCopiesWhatTheModuleSays) {
  OrdinaryCalc();
  const struct {
    const char* shown;
    const char* selection;
    std::string_view copied;
  } cases[] = {{"8.751458", "751", "751"}, {"8.75…", "8.7", "8.751458"}, {nullptr, "", ""}};
  for (const auto& c : cases) EXPECT_EQ(tallies_copied("lblHP", c.shown, c.selection), c.copied);
}

// A Calc that gives a result adds its entry to the history stored now and answers the history
// to keep; the entry is then copied, linked to and recalled by its id.
TEST(Exports, ACalcRecordsItsEntryInTheStoredHistory) {
  const std::string click = OrdinaryCalc();
  EXPECT_TRUE(Holds(click, R"("history":{"text":)")) << click;
  // The History window, closed while a Calc runs, lists the entries as it opens.
  EXPECT_FALSE(Holds(click, R"("entries")")) << click;
  // The entry's id, from its line in the text to store (tab and newline escaped in the answer).
  const std::string line = R"(\nid\t)";
  const std::size_t start = click.find(line);
  ASSERT_NE(start, std::string::npos) << click;
  const std::size_t from = start + line.size();
  const std::string id = click.substr(from, click.find('\\', from) - from);
  ASSERT_FALSE(id.empty()) << click;
  const struct {
    const char* form;
    std::string_view part;
  } cases[] = {{"link", R"({"text":"calc=cmdHP&units=us&txtGPM=10&txtPSI=1500"})"},
               {"plain", "Pump horsepower"},
               {"table", "| Quantity | Value | Unit |"}};
  for (const auto& c : cases) {
    EXPECT_TRUE(Holds(tallies_history_entry(id.c_str(), c.form), c.part)) << c.form;
  }
  EXPECT_TRUE(
      Holds(tallies_history_recall(id.c_str()), R"("inputs":[["txtGPM","10"],["txtPSI","1500"]])"));
  // Deleted from a text that never held it (another tab cleared the history), it is gone.
  EXPECT_TRUE(
      Holds(tallies_history_delete("", id.c_str()), R"("keptAside":"","notice":"","entries":[])"));
  EXPECT_STREQ(tallies_history_entry(id.c_str(), "plain"), R"({"text":""})");
  EXPECT_STREQ(tallies_history_recall(id.c_str()), R"({"found":false})");
}

// A Calc that stops on a fault records nothing.
TEST(Exports, ACalcThatFaultsRecordsNothing) {
  ASSERT_STREQ(tallies_type("txtGPM", "1e308"), "");
  ASSERT_STREQ(tallies_type("txtPSI", "1e308"), "");
  const std::string answer = tallies_click("cmdHP", "");
  EXPECT_TRUE(Holds(answer, R"("history":null)")) << answer;
}

}  // namespace
