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
  PosixRegistry registry({"hardinfo"}, m_path);
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
