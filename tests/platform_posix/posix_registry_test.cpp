#include "platform/posix/posix_registry.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "about/get_key_value.h"
#include "about/start_sys_info.h"
#include "fake_program_starter.h"
#include "platform/posix/posix_file_system.h"
#include "support/recording_message_box.h"
#include "support/temp_folder.h"

namespace tallies {
namespace {

using testing::FakeProgramStarter;
using testing::RecordingMessageBox;
using testing::TempFolder;

// A PATH of two folders holding stand-ins for some of the system-information programs.
class PosixRegistryTest : public ::testing::Test {
 protected:
  PosixRegistryTest() {
    m_temp.MakeFolder("bin1");
    m_temp.MakeFolder("bin2");
    m_path = m_temp.PathOf("bin1") + ":" + m_temp.PathOf("bin2");
  }

  std::string PutProgram(const std::string& folder, const std::string& name) {
    return m_temp.PutScript(folder + "/" + name, "exit 0");
  }

  TempFolder m_temp;
  std::string m_path;
};

TEST_F(PosixRegistryTest, SysInfoKeyAnswersWithTheFirstProgramOfTheList) {
  PutProgram("bin1", "lshw-gtk");
  const std::string kinfocenter = PutProgram("bin2", "kinfocenter");
  PosixRegistry registry(PosixRegistry::DefaultPrograms(), m_path);
  std::string path;
  ASSERT_TRUE(GetKeyValue(registry, kHKeyLocalMachine, kSysInfoPathKey, kSysInfoPathValue, path));
  // The list's order counts, not the order of the folders.
  EXPECT_EQ(path, kinfocenter);
}

TEST_F(PosixRegistryTest, ProfilersComeBeforeTheInformationCentre) {
  PutProgram("bin1", "kinfocenter");
  const std::string hardinfo = PutProgram("bin2", "hardinfo");
  PosixRegistry registry(PosixRegistry::DefaultPrograms(), m_path);
  std::string path;
  ASSERT_TRUE(GetKeyValue(registry, kHKeyLocalMachine, kSysInfoPathKey, kSysInfoPathValue, path));
  EXPECT_EQ(path, hardinfo);
}

// Which of the programs on PATH the registry answers with, and the arguments joined to it (each
// after a NUL character). The program expected is put in the second folder of PATH and the others
// in the first, so the list's order is seen to count, not the folders'.
struct ChoiceCase {
  const char* name;
  std::vector<std::string> present;
  std::string expected;
  std::vector<std::string> expectedArguments;
};

class PosixRegistryChoiceTest : public PosixRegistryTest,
                                public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(PosixRegistryChoiceTest, AnswersWithTheFirstProgramOfTheListAndItsArguments) {
  const ChoiceCase& c = GetParam();
  std::string expected;
  for (const std::string& program : c.present) {
    const std::string path = PutProgram(program == c.expected ? "bin2" : "bin1", program);
    if (program == c.expected) {
      expected = path;
    }
  }
  ASSERT_FALSE(expected.empty());
  for (const std::string& argument : c.expectedArguments) {
    expected += '\0';
    expected += argument;
  }
  PosixRegistry registry(PosixRegistry::DefaultPrograms(), m_path);
  std::string value;
  ASSERT_TRUE(GetKeyValue(registry, kHKeyLocalMachine, kSysInfoPathKey, kSysInfoPathValue, value));
  EXPECT_EQ(value, expected);
}

INSTANTIATE_TEST_SUITE_P(
    DesktopViewers, PosixRegistryChoiceTest,
    ::testing::Values(
        // Each desktop's own viewer on its own; GNOME Settings opens at its About panel.
        ChoiceCase{
            "GnomeSettings", {"gnome-control-center"}, "gnome-control-center", {"info-overview"}},
        ChoiceCase{"XfceAbout", {"xfce4-about"}, "xfce4-about", {}},
        ChoiceCase{"KdeInfoCenter", {"kinfocenter"}, "kinfocenter", {}},
        // The profilers and the hardware lister come before the desktops' About pages.
        ChoiceCase{"ProfilerBeforeGnome", {"gnome-control-center", "hardinfo2"}, "hardinfo2", {}},
        ChoiceCase{"HardwareListerBeforeGnome",
                   {"xfce4-about", "gnome-control-center", "lshw-gtk"},
                   "lshw-gtk",
                   {}},
        ChoiceCase{"KdeBeforeXfce", {"xfce4-about", "kinfocenter"}, "kinfocenter", {}},
        ChoiceCase{"GnomeBeforeXfce",
                   {"xfce4-about", "gnome-control-center"},
                   "gnome-control-center",
                   {"info-overview"}},
        ChoiceCase{"MaintainedProfilerFirst", {"hardinfo", "hardinfo2"}, "hardinfo2", {}}),
    [](const ::testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

TEST_F(PosixRegistryTest, NoProgramMeansTheValueIsMissing) {
  m_temp.PutFile("bin1/hardinfo", "not executable", 0644);
  PosixRegistry registry(PosixRegistry::DefaultPrograms(), m_path);
  std::string path = "old";
  EXPECT_FALSE(GetKeyValue(registry, kHKeyLocalMachine, kSysInfoPathKey, kSysInfoPathValue, path));
  EXPECT_EQ(path, "");
}

TEST_F(PosixRegistryTest, EveryOtherKeyIsNotFound) {
  PutProgram("bin1", "hardinfo");
  PosixRegistry registry(PosixRegistry::DefaultPrograms(), m_path);
  RegistryKey key = 0;
  EXPECT_EQ(registry.OpenKey(kHKeyLocalMachine, kSysInfoFolderKey, 0, kKeyRead, key),
            kRegistryNotFound);
  EXPECT_EQ(registry.OpenKey(0x80000001u, kSysInfoPathKey, 0, kKeyRead, key), kRegistryNotFound);
  EXPECT_EQ(registry.OpenKey(kHKeyLocalMachine, "SOFTWARE", 0, kKeyRead, key), kRegistryNotFound);
  EXPECT_EQ(key, 0u);
}

TEST_F(PosixRegistryTest, NamesAreComparedWithoutCase) {
  const std::string hardinfo = PutProgram("bin2", "hardinfo");
  PosixRegistry registry(PosixRegistry::DefaultPrograms(), m_path);
  std::string path;
  ASSERT_TRUE(GetKeyValue(registry, kHKeyLocalMachine, "software\\microsoft\\shared tools\\msinfo",
                          "Path", path));
  EXPECT_EQ(path, hardinfo);
  EXPECT_FALSE(GetKeyValue(registry, kHKeyLocalMachine, kSysInfoPathKey, "Folder", path));
}

TEST_F(PosixRegistryTest, ValueIsAStringWithItsTerminatorAndTooSmallABufferFails) {
  const std::string hardinfo = PutProgram("bin1", "hardinfo");
  PosixRegistry registry({{"hardinfo", {}}}, m_path);
  RegistryKey key = 0;
  ASSERT_EQ(registry.OpenKey(kHKeyLocalMachine, kSysInfoPathKey, 0, kKeyRead, key),
            kRegistrySuccess);
  std::vector<std::uint8_t> buffer(hardinfo.size() + 1, 0xEE);
  std::uint32_t type = 0;
  std::uint32_t count = 0;
  ASSERT_EQ(registry.QueryValue(key, "PATH", type, buffer, count), kRegistrySuccess);
  EXPECT_EQ(type, kRegistryString);
  EXPECT_EQ(count, hardinfo.size() + 1);
  EXPECT_EQ(std::string(buffer.begin(), buffer.end() - 1), hardinfo);
  EXPECT_EQ(buffer.back(), 0);

  std::vector<std::uint8_t> small(hardinfo.size());
  EXPECT_EQ(registry.QueryValue(key, "PATH", type, small, count), kRegistryMoreData);
  EXPECT_EQ(count, hardinfo.size() + 1);
  EXPECT_EQ(registry.CloseKey(key), kRegistrySuccess);
  EXPECT_NE(registry.CloseKey(0), kRegistrySuccess);
}

TEST_F(PosixRegistryTest, QueryOnAKeyThatIsNotOpenFails) {
  PutProgram("bin1", "hardinfo");
  PosixRegistry registry(PosixRegistry::DefaultPrograms(), m_path);
  std::array<std::uint8_t, 16> buffer{};
  std::uint32_t type = 0;
  std::uint32_t count = 0;
  EXPECT_EQ(registry.QueryValue(0, "PATH", type, buffer, count), kRegistryInvalidKey);
}

TEST_F(PosixRegistryTest, StartSysInfoStartsTheProgramFound) {
  const std::string hardinfo = PutProgram("bin2", "hardinfo2");
  PosixRegistry registry(PosixRegistry::DefaultPrograms(), m_path);
  PosixFileSystem files;
  FakeProgramStarter starter;
  starter.AddProgram(hardinfo);
  RecordingMessageBox messages;
  StartSysInfo({registry, files, starter, messages});
  ASSERT_EQ(starter.attempts().size(), 1u);
  EXPECT_EQ(starter.attempts().front().path, hardinfo);
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(PosixRegistryTest, StartSysInfoHandsTheStarterTheProgramWithItsArguments) {
  const std::string settings = PutProgram("bin1", "gnome-control-center");
  const std::string command = settings + std::string(1, '\0') + "info-overview";
  PosixRegistry registry(PosixRegistry::DefaultPrograms(), m_path);
  PosixFileSystem files;
  FakeProgramStarter starter;
  starter.AddProgram(command);
  RecordingMessageBox messages;
  StartSysInfo({registry, files, starter, messages});
  ASSERT_EQ(starter.attempts().size(), 1u);
  EXPECT_EQ(starter.attempts().front().path, command);
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(PosixRegistryTest, StartSysInfoWithoutAProgramShowsTheMessage) {
  PosixRegistry registry(PosixRegistry::DefaultPrograms(), m_path);
  PosixFileSystem files;
  FakeProgramStarter starter;
  RecordingMessageBox messages;
  StartSysInfo({registry, files, starter, messages});
  EXPECT_TRUE(starter.attempts().empty());
  EXPECT_EQ(messages.messages(), std::vector<std::string>{std::string(kSysInfoUnavailable)});
}

}  // namespace
}  // namespace tallies
