#include "about/start_sys_info.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fake_file_system.h"
#include "fake_program_starter.h"
#include "fake_registry.h"
#include "support/recording_message_box.h"

namespace tallies {
namespace {

using testing::FakeFileSystem;
using testing::FakeProgramStarter;
using testing::FakeRegistry;
using testing::RecordingMessageBox;

constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kUnavailable = "System Information Is Unavailable At This Time";

class StartSysInfoTest : public ::testing::Test {
 protected:
  void Run() { StartSysInfo({m_registry, m_files, m_starter, m_messages}); }

  std::vector<std::string> StartedPaths() const {
    std::vector<std::string> paths;
    for (const auto& attempt : m_starter.attempts()) {
      paths.push_back(attempt.path);
    }
    return paths;
  }

  std::vector<std::string> OpenedKeys() const {
    std::vector<std::string> keys;
    for (const auto& open : m_registry.opens()) {
      keys.push_back(open.keyName);
    }
    return keys;
  }

  FakeRegistry m_registry;
  FakeFileSystem m_files;
  FakeProgramStarter m_starter;
  RecordingMessageBox m_messages;
};

TEST_F(StartSysInfoTest, FirstKeyStartsTheRegisteredPathInANormalWindow) {
  m_registry.PutString(kPathKey, "PATH", "C:\\Tools\\info.exe");
  m_starter.AddProgram("C:\\Tools\\info.exe");
  Run();
  ASSERT_EQ(StartedPaths(), std::vector<std::string>{"C:\\Tools\\info.exe"});
  EXPECT_EQ(m_starter.attempts().front().windowStyle, 1);
  EXPECT_TRUE(m_messages.messages().empty());
  // The second location is not consulted, and the path's file is not looked for.
  EXPECT_EQ(OpenedKeys(), std::vector<std::string>{kPathKey});
  EXPECT_TRUE(m_files.log().empty());
}

TEST_F(StartSysInfoTest, FirstKeyNamingAMissingProgramShowsTheMessage) {
  m_registry.PutString(kPathKey, "PATH", "C:\\Gone\\info.exe");
  m_registry.PutString(kFolderKey, "MSINFO", "C:\\Tools");
  m_files.PutFile("C:\\Tools\\MSINFO32.EXE");
  m_starter.AddProgram("C:\\Tools\\MSINFO32.EXE");
  Run();
  EXPECT_EQ(StartedPaths(), std::vector<std::string>{"C:\\Gone\\info.exe"});
  EXPECT_EQ(m_messages.messages(), std::vector<std::string>{kUnavailable});
  EXPECT_EQ(OpenedKeys(), std::vector<std::string>{kPathKey});
}

TEST_F(StartSysInfoTest, SecondKeyWithTheToolStartsItFromItsFolder) {
  m_registry.PutString(kFolderKey, "MSINFO", "C:\\Program Files\\Common Files\\MSInfo");
  m_files.PutFile("C:\\Program Files\\Common Files\\MSInfo\\MSINFO32.EXE");
  m_starter.AddProgram("C:\\Program Files\\Common Files\\MSInfo\\MSINFO32.EXE");
  Run();
  EXPECT_EQ(StartedPaths(),
            std::vector<std::string>{"C:\\Program Files\\Common Files\\MSInfo\\MSINFO32.EXE"});
  EXPECT_TRUE(m_messages.messages().empty());
  EXPECT_EQ(OpenedKeys(), (std::vector<std::string>{kPathKey, kFolderKey}));
}

TEST_F(StartSysInfoTest, SecondKeyFolderEndingInABackslashGivesADoubledOne) {
  m_registry.PutString(kFolderKey, "MSINFO", "D:\\");
  m_files.PutFile("D:\\\\MSINFO32.EXE");
  m_starter.AddProgram("D:\\\\MSINFO32.EXE");
  Run();
  EXPECT_EQ(m_files.log(), std::vector<std::string>{"exists D:\\\\MSINFO32.EXE"});
  EXPECT_EQ(StartedPaths(), std::vector<std::string>{"D:\\\\MSINFO32.EXE"});
  EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(StartSysInfoTest, SecondKeyWithoutTheToolShowsTheMessageAndStartsNothing) {
  m_registry.PutString(kFolderKey, "MSINFO", "C:\\Tools");
  Run();
  EXPECT_EQ(m_files.log(), std::vector<std::string>{"exists C:\\Tools\\MSINFO32.EXE"});
  EXPECT_TRUE(m_starter.attempts().empty());
  EXPECT_EQ(m_messages.messages(), std::vector<std::string>{kUnavailable});
}

TEST_F(StartSysInfoTest, NeitherKeyShowsOnlyTheMessage) {
  Run();
  EXPECT_TRUE(m_starter.attempts().empty());
  EXPECT_TRUE(m_files.log().empty());
  EXPECT_EQ(m_messages.messages(), std::vector<std::string>{kUnavailable});
  EXPECT_EQ(OpenedKeys(), (std::vector<std::string>{kPathKey, kFolderKey}));
}

TEST_F(StartSysInfoTest, EmptyFirstValueReachesTheTrapWithoutTryingTheSecondKey) {
  m_registry.Put(kPathKey, "PATH", kRegistryString, {});
  m_registry.PutString(kFolderKey, "MSINFO", "C:\\Tools");
  m_files.PutFile("C:\\Tools\\MSINFO32.EXE");
  m_starter.AddProgram("C:\\Tools\\MSINFO32.EXE");
  Run();
  EXPECT_EQ(OpenedKeys(), std::vector<std::string>{kPathKey});
  EXPECT_TRUE(m_starter.attempts().empty());
  EXPECT_EQ(m_messages.messages(), std::vector<std::string>{kUnavailable});
}

// A location that reads as empty text (an empty string, or a value of another type, which leaves
// the path empty) names no program: nothing is looked for or started, least of all the tool's
// name at the root of the current drive.
struct EmptyValueCase {
  const char* name;
  bool folderKey;  // the second location, else the first
  std::uint32_t type;
  std::vector<std::uint8_t> bytes;
};

class StartSysInfoEmptyValueTest : public StartSysInfoTest,
                                   public ::testing::WithParamInterface<EmptyValueCase> {};

TEST_P(StartSysInfoEmptyValueTest, ShowsTheMessageAndNeitherLooksForNorStartsAnything) {
  const EmptyValueCase& c = GetParam();
  if (c.folderKey) {
    m_registry.Put(kFolderKey, "MSINFO", c.type, c.bytes);
  } else {
    m_registry.Put(kPathKey, "PATH", c.type, c.bytes);
  }
  // A tool planted at the root of the drive, under every spelling the join could give.
  m_files.PutFile("\\MSINFO32.EXE");
  m_starter.AddProgram("\\MSINFO32.EXE");
  m_starter.AddProgram("");
  Run();
  EXPECT_TRUE(m_files.log().empty());
  EXPECT_TRUE(m_starter.attempts().empty());
  EXPECT_EQ(m_messages.messages(), std::vector<std::string>{kUnavailable});
  // A first location that reads as empty still counts as read: the second is not consulted.
  EXPECT_EQ(OpenedKeys(), c.folderKey ? (std::vector<std::string>{kPathKey, kFolderKey})
                                      : std::vector<std::string>{kPathKey});
}

INSTANTIATE_TEST_SUITE_P(
    Values, StartSysInfoEmptyValueTest,
    ::testing::Values(EmptyValueCase{"FirstEmptyString", false, kRegistryString, {0}},
                      EmptyValueCase{"FirstExpandableString", false, 2, {'C', ':', 0}},
                      EmptyValueCase{"FirstBinary", false, 3, {1, 2, 3}},
                      EmptyValueCase{"SecondEmptyString", true, kRegistryString, {0}},
                      EmptyValueCase{"SecondExpandableString", true, 2, {'C', ':', 0}},
                      EmptyValueCase{"SecondBinary", true, 3, {1, 2, 3}},
                      EmptyValueCase{"SecondMultiString", true, 7, {'C', ':', 0, 0}}),
    [](const ::testing::TestParamInfo<EmptyValueCase>& info) { return info.param.name; });

TEST_F(StartSysInfoTest, SecondKeyWithoutItsValueShowsTheMessage) {
  m_registry.PutKey(kFolderKey);
  m_registry.PutString(kPathKey, "NotPath", "C:\\x.exe");
  Run();
  EXPECT_TRUE(m_starter.attempts().empty());
  EXPECT_EQ(m_messages.messages(), std::vector<std::string>{kUnavailable});
}

TEST_F(StartSysInfoTest, EveryKeyOpenedIsClosed) {
  m_registry.PutString(kPathKey, "NotPath", "x");
  m_registry.PutString(kFolderKey, "MSINFO", "C:\\Tools");
  m_files.PutFile("C:\\Tools\\MSINFO32.EXE");
  m_starter.AddProgram("C:\\Tools\\MSINFO32.EXE");
  Run();
  EXPECT_EQ(m_registry.closes(), m_registry.openedHandles());
  EXPECT_EQ(m_registry.openedHandles().size(), 2u);
}

}  // namespace
}  // namespace tallies
