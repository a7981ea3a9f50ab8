// The units setting: its text, the file it lives in, how that file is replaced, and where.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>

#include "settings/file_settings_store.h"
#include "settings/replace_file.h"
#include "settings/settings_folder.h"
#include "settings/units_setting.h"

namespace tallies {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed afterwards.
class SettingsFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_folder = fs::temp_directory_path() /
               ("tallies-settings-" + std::string(test->name()) + "-" + std::to_string(rand()));
    fs::remove_all(m_folder);
  }
  void TearDown() override { fs::remove_all(m_folder); }

  const fs::path& folder() const { return m_folder; }
  static std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void Write(const fs::path& file, std::string_view text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
  }

 private:
  fs::path m_folder;
};

TEST(UnitsInSettings, ReadsTheChoiceAndTakesUsForAnythingElse) {
  struct Case {
    std::string_view text;
    UnitSystem units;
  };
  const Case cases[] = {
      {"units=metric\n", UnitSystem::kMetric},
      {"units=us\n", UnitSystem::kUS},
      {"  units = Metric \r\n", UnitSystem::kMetric},
      {"colour=blue\nunits=METRIC", UnitSystem::kMetric},
      {"units=imperial\nunits=metric\n", UnitSystem::kMetric},
      {"", UnitSystem::kUS},
      {"units=", UnitSystem::kUS},
      {"units=metrics", UnitSystem::kUS},
      {"unit=metric", UnitSystem::kUS},
      {std::string_view("units=metric\0garbage", 20), UnitSystem::kUS},
      {"\xff\xfe\x00\x01 nonsense", UnitSystem::kUS},
  };
  for (const Case& c : cases) EXPECT_EQ(UnitsInSettings(c.text), c.units) << c.text;
  for (UnitSystem units : {UnitSystem::kUS, UnitSystem::kMetric}) {
    EXPECT_EQ(UnitsInSettings(SettingsTextFor(units)), units);
  }
  EXPECT_EQ(SettingsTextFor(UnitSystem::kMetric), "units=metric\n");
}

TEST_F(SettingsFiles, TheChoiceSurvivesInTheFolder) {
  FileSettingsStore first(folder());
  EXPECT_EQ(LoadUnits(first), UnitSystem::kUS);  // no folder yet
  ASSERT_TRUE(SaveUnits(first, UnitSystem::kMetric));
  EXPECT_EQ(Read(folder() / "settings"), "units=metric\n");
  EXPECT_EQ(LoadUnits(FileSettingsStore(folder())), UnitSystem::kMetric);
  ASSERT_TRUE(SaveUnits(first, UnitSystem::kUS));
  EXPECT_EQ(LoadUnits(FileSettingsStore(folder())), UnitSystem::kUS);
  // Nothing is left beside the file.
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(SettingsFiles, AFileThatCannotBeReadMeansTheDefaults) {
  FileSettingsStore store(folder());
  // a folder where the file should be
  fs::create_directories(folder() / "settings");
  EXPECT_EQ(LoadUnits(store), UnitSystem::kUS);
  EXPECT_FALSE(SaveUnits(store, UnitSystem::kMetric));
  fs::remove_all(folder());
  // a file far too large to be settings, starting with a valid line
  Write(folder() / "settings", "units=metric\n" + std::string(100000, 'x'));
  EXPECT_EQ(LoadUnits(store), UnitSystem::kUS);
  // no folder at all
  EXPECT_EQ(LoadUnits(FileSettingsStore(fs::path())), UnitSystem::kUS);
  EXPECT_FALSE(SaveUnits(*std::make_unique<FileSettingsStore>(fs::path()), UnitSystem::kMetric));
}

// A failure or a crash at any step of the write leaves the old file whole.
TEST_F(SettingsFiles, AFailedWriteLeavesTheOldFile) {
  const fs::path file = folder() / "settings";
  Write(file, "units=metric\n");
  struct Case {
    const char* what;
    bool writes;
    bool renames;
  };
  for (const Case& c :
       {Case{"the write fails", false, true}, Case{"the rename fails", true, false}}) {
    ReplaceSteps steps = SystemReplaceSteps();
    if (!c.writes) {
      // A disk that fills up half-way: half the text reaches the temporary file.
      steps.writeDurably = [](const fs::path& to, std::string_view text) {
        std::ofstream(to, std::ios::binary) << text.substr(0, text.size() / 2);
        return false;
      };
    }
    if (!c.renames) steps.rename = [](const fs::path&, const fs::path&) { return false; };
    EXPECT_FALSE(ReplaceFile(file, "units=us\n", steps)) << c.what;
    EXPECT_EQ(Read(file), "units=metric\n") << c.what;
    EXPECT_FALSE(fs::exists(fs::path(file) += ".new")) << c.what;
  }
}

// A crash between the write and the rename: the old file is read; the next save replaces the
// temporary file the crash left.
TEST_F(SettingsFiles, ACrashBeforeTheRenameLeavesTheOldFile) {
  const fs::path file = folder() / "settings";
  Write(file, "units=metric\n");
  ReplaceSteps crashing = SystemReplaceSteps();
  crashing.rename = [](const fs::path&, const fs::path&) -> bool {
    throw std::runtime_error("crash");
  };
  EXPECT_THROW(ReplaceFile(file, "units=us\n", crashing), std::runtime_error);
  EXPECT_EQ(LoadUnits(FileSettingsStore(folder())), UnitSystem::kMetric);
  ASSERT_TRUE(ReplaceFile(file, "units=us\n"));
  EXPECT_EQ(Read(file), "units=us\n");
  EXPECT_FALSE(fs::exists(fs::path(file) += ".new"));
}

TEST(SettingsFolder, FollowsTheXdgBaseDirectories) {
#ifdef _WIN32
  // The XDG folders are for Linux, where "/cfg" is an absolute path; the Windows program keeps
  // its settings in the registry.
  GTEST_SKIP() << "XDG base directories are POSIX paths";
#endif
  struct Case {
    std::map<std::string, std::string, std::less<>> environment;
    fs::path folder;
  };
  const Case cases[] = {
      {{{"XDG_CONFIG_HOME", "/cfg"}, {"HOME", "/home/ann"}}, "/cfg/tallies"},
      {{{"HOME", "/home/ann"}}, "/home/ann/.config/tallies"},
      {{{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/ann"}}, "/home/ann/.config/tallies"},
      {{{"XDG_CONFIG_HOME", "relative"}, {"HOME", "/home/ann"}}, "/home/ann/.config/tallies"},
      {{{"HOME", "relative"}}, ""},
      {{}, ""},
  };
  for (const Case& c : cases) {
    const Environment environment = [&](std::string_view name) -> std::optional<std::string> {
      const auto found = c.environment.find(name);
      if (found == c.environment.end()) return std::nullopt;
      return found->second;
    };
    EXPECT_EQ(SettingsFolder(environment), c.folder) << c.folder;
  }
}

}  // namespace
}  // namespace tallies
