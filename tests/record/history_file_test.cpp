// The history file: kept across loads, bounded, replaced whole, kept aside when unreadable, and
// shared by programs adding at the same time.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "record/history_file.h"
#include "record/history_text.h"

namespace tallies {
namespace {

namespace fs = std::filesystem;

RecordEntry Entry(std::string id) {
  RecordEntry entry;
  entry.id = std::move(id);
  entry.calculator = "cmdHP";
  entry.results = {{"lblHP", "Horsepower Required", "8.751458", 8.751458, "hp"}};
  return entry;
}

std::vector<std::string> Ids(const HistoryState& state) {
  std::vector<std::string> ids;
  for (const RecordEntry& entry : state.entries) ids.push_back(entry.id);
  return ids;
}

class HistoryFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_folder = fs::temp_directory_path() / ("tallies-history-" + std::string(test->name()) +
                                            "-" + std::to_string(NowMilliseconds()));
  }
  void TearDown() override { fs::remove_all(m_folder); }
  fs::path m_folder;
};

TEST_F(HistoryFiles, KeepsEntriesAcrossLoadsNewestLastAndAtMostTheLimit) {
  const HistoryFile file(m_folder);
  EXPECT_TRUE(file.Load().entries.empty());
  file.Add(Entry("a"));
  file.Add(Entry("b"));
  file.Add(Entry("c"));
  EXPECT_EQ(Ids(HistoryFile(m_folder).Load()), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(Ids(file.Remove("b")), (std::vector<std::string>{"a", "c"}));
  EXPECT_TRUE(file.Clear().entries.empty());
  EXPECT_TRUE(HistoryFile(m_folder).Load().entries.empty());

  std::vector<RecordEntry> full;
  for (std::size_t i = 0; i < kHistoryLimit; ++i) full.push_back(Entry(std::to_string(i)));
  fs::create_directories(m_folder);
  std::ofstream(file.File(), std::ios::binary) << HistoryText(full);
  const HistoryState state = file.Add(Entry("newest"));
  ASSERT_EQ(state.entries.size(), kHistoryLimit);
  EXPECT_EQ(state.entries.front().id, "1");  // the oldest, "0", went
  EXPECT_EQ(state.entries.back().id, "newest");
  // The file itself is written anew without the oldest once it holds a tenth more.
  for (std::size_t i = 0; i < kHistoryLimit / 10; ++i) full.push_back(Entry("more"));
  std::ofstream(file.File(), std::ios::binary | std::ios::trunc) << HistoryText(full);
  HistoryFile(m_folder).Add(Entry("last"));
  std::ifstream in(file.File(), std::ios::binary);
  const auto kept = ReadHistoryText(std::string(std::istreambuf_iterator<char>(in), {}));
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->size(), kHistoryLimit);
  EXPECT_EQ(kept->back().id, "last");
}

// A write that fails at any step (a full disk, a crash before the rename, or in the middle of an
// addition) leaves the history that was there; the change says it was not stored. The next
// addition after a cut one adds to the history that was there.
TEST_F(HistoryFiles, AFailedWriteLeavesThePreviousHistory) {
  ReplaceSteps failing[3] = {SystemReplaceSteps(), SystemReplaceSteps(), SystemReplaceSteps()};
  failing[0].writeDurably = [](const fs::path&, std::string_view) { return false; };
  failing[1].rename = [](const fs::path&, const fs::path&) { return false; };
  failing[2].appendDurably = [](const fs::path& file, std::string_view text) {
    std::ofstream(file, std::ios::binary | std::ios::app) << text.substr(0, text.size() / 2);
    return false;
  };
  // A new file is written whole, and so is the history an entry is removed from.
  for (const ReplaceSteps& steps : {failing[0], failing[1]}) {
    EXPECT_FALSE(HistoryFile(m_folder, steps).Add(Entry("first")).stored);
    EXPECT_TRUE(HistoryFile(m_folder).Load().entries.empty());
  }
  HistoryFile(m_folder).Add(Entry("kept"));
  for (const ReplaceSteps& steps : {failing[0], failing[1]}) {
    EXPECT_FALSE(HistoryFile(m_folder, steps).Remove("kept").stored);
    EXPECT_EQ(Ids(HistoryFile(m_folder).Load()), std::vector<std::string>{"kept"});
  }
  // An entry is added at the end: cut halfway.
  EXPECT_FALSE(HistoryFile(m_folder, failing[2]).Add(Entry("lost")).stored);
  EXPECT_EQ(Ids(HistoryFile(m_folder).Load()), std::vector<std::string>{"kept"});
  EXPECT_EQ(Ids(HistoryFile(m_folder).Add(Entry("next"))), (std::vector<std::string>{"kept", "next"}));
  EXPECT_EQ(Ids(HistoryFile(m_folder).Load()), (std::vector<std::string>{"kept", "next"}));
}

TEST_F(HistoryFiles, AnUnreadableFileIsKeptAsideAndANewHistoryBegins) {
  fs::create_directories(m_folder);
  const HistoryFile file(m_folder);
  std::ofstream(file.File(), std::ios::binary) << "Tallies history 1\n\nid\tx\ntime\tnot a time\nend\n";
  const HistoryState state = file.Load();
  EXPECT_TRUE(state.entries.empty());
  ASSERT_FALSE(state.keptAside.empty());
  std::ifstream aside(state.keptAside, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(aside), {}),
            "Tallies history 1\n\nid\tx\ntime\tnot a time\nend\n");
  // Told once: the next load finds no damaged file, and entries are kept again.
  EXPECT_TRUE(file.Load().keptAside.empty());
  EXPECT_EQ(Ids(file.Add(Entry("new"))), std::vector<std::string>{"new"});
}

// Two programs adding at once each take the lock, read what the other stored and add to it.
TEST_F(HistoryFiles, TwoProgramsAddingAtOnceLoseNoEntry) {
  constexpr int kEach = 40;
  const auto adder = [this](std::string prefix) {
    const HistoryFile file(m_folder);
    for (int i = 0; i < kEach; ++i) file.Add(Entry(prefix + std::to_string(i)));
  };
  std::thread first(adder, "first-"), second(adder, "second-");
  first.join();
  second.join();
  std::map<std::string, int> seen;
  for (const std::string& id : Ids(HistoryFile(m_folder).Load())) ++seen[id];
  EXPECT_EQ(seen.size(), 2u * kEach);
  for (const auto& [id, count] : seen) EXPECT_EQ(count, 1) << id;
}

TEST(HistoryFolder, FollowsTheXdgDataHome) {
#ifdef _WIN32
  // The rule of Linux, whose absolute paths ("/d") have no drive: Windows keeps the history in
  // the user's local application data instead.
  GTEST_SKIP() << "the XDG base directories are Linux's";
#endif
  const auto environment = [](std::map<std::string, std::string> values) -> Environment {
    return [values](std::string_view name) -> std::optional<std::string> {
      const auto found = values.find(std::string(name));
      if (found == values.end()) return std::nullopt;
      return found->second;
    };
  };
  EXPECT_EQ(HistoryFolder(environment({{"XDG_DATA_HOME", "/d"}, {"HOME", "/h"}})), "/d/tallies");
  EXPECT_EQ(HistoryFolder(environment({{"XDG_DATA_HOME", "rel"}, {"HOME", "/h"}})),
            "/h/.local/share/tallies");
  EXPECT_EQ(HistoryFolder(environment({})), fs::path());
}

}  // namespace
}  // namespace tallies
