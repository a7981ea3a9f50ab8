// The history the page keeps in its local storage, as the module reads and changes it.
#include "web/web_history.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "layout/window_model.h"
#include "record/history_text.h"
#include "record/history_texts.h"
#include "web/json_writer.h"

namespace tallies {
namespace {

bool Holds(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

RecordEntry Entry(std::string id, std::int64_t time) {
  RecordEntry entry;
  entry.id = std::move(id);
  entry.time = time;
  entry.calculator = "cmdHP";
  entry.name = "Pump horsepower";
  entry.formula = "HP = GPM * PSI / 1714";
  entry.inputs = {{"txtGPM", "Gallons Per Minute", "10", 10.0, "gpm"},
                  {"txtPSI", "Pounds Per Square Inch", "1500", 1500.0, "psi"}};
  entry.results = {{"lblHP", "Horsepower Required", "8.751458", 8.751458, "hp"}};
  entry.version = "1.0";
  return entry;
}

std::string Stored(const std::vector<RecordEntry>& entries) { return HistoryText(entries); }

// The ids in the answer's list, in list order.
std::vector<std::string> ListedIds(const WebHistory& history) {
  std::vector<std::string> ids;
  for (auto entry = history.Entries().rbegin(); entry != history.Entries().rend(); ++entry) {
    ids.push_back(entry->id);
  }
  return ids;
}

TEST(WebHistory, ReadsTheStoredTextAndKeepsAsideOneItCannotRead) {
  const RecordEntry older = Entry("1-a", 1000);
  const RecordEntry newer = Entry("2-b", 2000);
  const struct {
    const char* what;
    std::string stored;
    std::vector<std::string> ids;  // newest first
    bool keptAside;
  } cases[] = {
      {"nothing stored", "", {}, false},
      {"two entries", Stored({older, newer}), {"2-b", "1-a"}, false},
      {"a foreign text", "<img src=x onerror=alert(1)>", {}, true},
      {"a later version", "Tallies history 2\n", {}, true},
  };
  for (const auto& c : cases) {
    WebHistory history;
    const std::string answer = history.LoadJson(c.stored, 42);
    EXPECT_EQ(ListedIds(history), c.ids) << c.what;
    const std::string aside = c.keptAside ? KeptAsideKey(42) : "";
    EXPECT_TRUE(Holds(answer, "\"keptAside\":" + JsonString(aside))) << c.what << ": " << answer;
    const std::string notice = c.keptAside ? HistoryKeptAsideNotice(aside) : "";
    EXPECT_TRUE(Holds(answer, "\"notice\":" + JsonString(notice))) << c.what << ": " << answer;
    EXPECT_TRUE(Holds(answer, "\"text\":" + JsonString(Stored(history.Entries())))) << c.what;
  }
}

TEST(WebHistory, TheListIsNewestFirstWithEachEntrysTimeAndSummary) {
  WebHistory history;
  const std::string answer = history.LoadJson(Stored({Entry("1-a", 1000), Entry("2-b", 2000)}), 0);
  const std::string summary = JsonString(EntrySummary(Entry("", 0)));
  EXPECT_TRUE(Holds(answer, R"("entries":[{"id":"2-b","time":2000,"summary":)" + summary +
                                R"(},{"id":"1-a","time":1000,"summary":)" + summary + "}]"))
      << answer;
}

// Each change starts from the text stored now, so that what another tab stored is kept.
TEST(WebHistory, EachChangeStartsFromTheTextStoredNow) {
  const RecordEntry mine = Entry("1-mine", 1000);
  const RecordEntry theirs = Entry("2-theirs", 2000);
  const RecordEntry added = Entry("3-added", 3000);
  WebHistory history;
  history.LoadJson(Stored({mine}), 0);
  history.AddJson(Stored({mine, theirs}), added, 0);
  EXPECT_EQ(ListedIds(history), (std::vector<std::string>{"3-added", "2-theirs", "1-mine"}));
  history.RemoveJson(Stored({mine, theirs, added, Entry("4-new", 4000)}), "2-theirs", 0);
  EXPECT_EQ(ListedIds(history), (std::vector<std::string>{"4-new", "3-added", "1-mine"}));
  EXPECT_EQ(history.Find("3-added")->time, 3000);
  EXPECT_EQ(history.Find("2-theirs"), nullptr);
  history.ClearJson();
  EXPECT_TRUE(history.Entries().empty());
}

// The text a change answers is what the page stores and hands back at the next change: read
// as it stands, a change to it keeps every entry; the same text of another module reads alike.
TEST(WebHistory, TheTextItAnsweredIsReadBackWhole) {
  WebHistory history;
  WebHistory another;
  std::string stored;
  for (const char* id : {"1-a", "2-b", "3-c"}) {
    const std::string answer = history.AddJson(stored, Entry(id, 1), 0);
    stored = Stored(history.Entries());
    EXPECT_TRUE(Holds(answer, "\"text\":" + JsonString(stored))) << answer;
    another.LoadJson(stored, 0);
    EXPECT_EQ(ListedIds(another), ListedIds(history)) << id;
  }
  EXPECT_EQ(ListedIds(history), (std::vector<std::string>{"3-c", "2-b", "1-a"}));
  // A Calc's addition, made while the History window is closed, lists nothing; onto the text
  // answered last it answers only what it adds, and the two together are the whole text, read
  // back whole. Onto another text it answers the whole text.
  for (const char* id : {"4-d", "5-e"}) {
    const std::string unlisted = history.AddJson(stored, Entry(id, 1), 0, /*listed=*/false);
    EXPECT_FALSE(Holds(unlisted, "\"entries\"")) << unlisted;
    EXPECT_FALSE(Holds(unlisted, "\"text\"")) << unlisted;
    EXPECT_TRUE(Holds(unlisted, "\"appended\":" + JsonString(EntryBlock(Entry(id, 1))) +
                                    ",\"dropped\":\"\"")) << unlisted;
    stored += EntryBlock(Entry(id, 1));
    EXPECT_EQ(stored, Stored(history.Entries()));
    another.LoadJson(stored, 0);
    EXPECT_EQ(ListedIds(another), ListedIds(history)) << id;
  }
  const std::string theirs = Stored({Entry("6-f", 1)});
  const std::string onTheirs = another.AddJson(theirs, Entry("7-g", 1), 0, /*listed=*/false);
  EXPECT_TRUE(Holds(onTheirs, "\"text\":" + JsonString(theirs + EntryBlock(Entry("7-g", 1)))))
      << onTheirs;
  history.ClearJson();
  history.AddJson("", Entry("5-d", 1), 0);
  EXPECT_EQ(ListedIds(history), std::vector<std::string>{"5-d"});
}

// An addition to a text that cannot be read keeps that text aside and begins a new history.
TEST(WebHistory, AnAdditionToADamagedTextKeepsItAside) {
  WebHistory history;
  const std::string answer = history.AddJson("Tallies history\n{}", Entry("9-z", 9), 7);
  EXPECT_EQ(ListedIds(history), std::vector<std::string>{"9-z"});
  EXPECT_TRUE(Holds(answer, "\"keptAside\":" + JsonString(KeptAsideKey(7)))) << answer;
}

TEST(WebHistory, KeepsTheNewestEntriesUpToTheLimit) {
  std::vector<RecordEntry> full;
  for (std::size_t i = 0; i < kHistoryLimit; ++i) full.push_back(Entry(std::to_string(i), 0));
  WebHistory history;
  history.AddJson(Stored(full), Entry("new", 0), 0);
  ASSERT_EQ(history.Entries().size(), kHistoryLimit);
  EXPECT_EQ(history.Entries().front().id, "1");
  EXPECT_EQ(history.Entries().back().id, "new");
  // At the limit a Calc onto the text answered last answers the oldest entry's block to take out
  // and its own to add: the text with both changes is the whole history.
  const std::string stored = Stored(history.Entries());
  const std::string calc = history.AddJson(stored, Entry("newer", 0), 0, /*listed=*/false);
  EXPECT_EQ(history.Entries().front().id, "2");
  const std::string dropped = EntryBlock(Entry("1", 0));
  const std::string appended = EntryBlock(Entry("newer", 0));
  EXPECT_TRUE(Holds(calc, "\"appended\":" + JsonString(appended) + ",\"dropped\":" +
                              JsonString(dropped))) << calc;
  const std::size_t at = stored.find(dropped);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(stored.substr(0, at) + stored.substr(at + dropped.size()) + appended,
            Stored(history.Entries()));
}

// A link shows its calculator where the window holds it; anything else is no link.
TEST(ShareFragmentJson, PlacesAGoodLinkAndRefusesEveryOtherFragment) {
  const ControlPlace place = PlaceOf("cmdHP");
  ASSERT_NE(place.view, nullptr);
  std::string tabs;
  for (const TabChoice& choice : place.tabs) {
    tabs += (tabs.empty() ? "[" : ",[") + JsonString(choice.tabSet) + "," +
            std::to_string(choice.tab) + "]";
  }
  EXPECT_EQ(ShareFragmentJson("#calc=cmdHP&units=us&txtGPM=10&txtPSI=1500"),
            R"({"found":true,"calculator":"cmdHP","units":"US","view":)" +
                JsonString(place.view->option) + R"(,"tabs":[)" + tabs +
                R"(],"inputs":[["txtGPM","10"],["txtPSI","1500"]]})");
  // Markup is only ever the text of a field.
  EXPECT_TRUE(Holds(ShareFragmentJson("calc=cmdHP&txtGPM=%3Cimg%20src%3Dx%3E"),
                    R"("inputs":[["txtGPM","<img src=x>"]])"));
  for (const std::string& bad :
       {std::string("calc=cmdHP&txtGPM=%zz"), std::string("calc=cmdNothing&txtGPM=1"),
        std::string(""), "calc=cmdHP&txtGPM=" + std::string(1 << 20, '1')}) {
    EXPECT_EQ(ShareFragmentJson(bad), R"({"found":false})") << bad.substr(0, 40);
  }
}

TEST(SharedOf, AnEntryIsRecalledWithItsInputsAsTyped) {
  const SharedCalculation shared = SharedOf(Entry("1", 0));
  EXPECT_EQ(shared,
            (SharedCalculation{"cmdHP", UnitSystem::kUS, {{"txtGPM", "10"}, {"txtPSI", "1500"}}}));
}

}  // namespace
}  // namespace tallies
