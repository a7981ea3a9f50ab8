#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "about/start_sys_info.h"
#include "about/web_link.h"
#include "config/app_config.h"
#include "platform/win32/win32_address_opener.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_executable_finder.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_program_folder.h"
#include "platform/win32/win32_program_starter.h"
#include "platform/win32/win32_registry.h"
#include "registry_keys.h"
#include "stand_in.h"
#include "support/recording_message_box.h"

namespace tallies {
namespace {

using testing::PathExists;
using testing::Quoted;
using testing::RecordingMessageBox;
using testing::RegistryKeys;
using testing::StandInCommand;
using testing::StandInLog;
using testing::StandInPath;
using testing::TestProgramFolder;

const std::string kPathKey(kSysInfoPathKey);
const std::string kFolderKey(kSysInfoFolderKey);

// The System Info button on the real registry, file test and program start.
class Win32StartSysInfoTest : public ::testing::Test {
 protected:
  void Run() { StartSysInfo({m_registry, m_files, m_starter, m_messages}); }

  RegistryKeys m_keys;
  Win32Registry m_registry;
  Win32FileSystem m_files;
  Win32ProgramStarter m_starter;
  RecordingMessageBox m_messages;
};

TEST_F(Win32StartSysInfoTest, RegisteredPathStartsTheTool) {
  m_keys.PutString(HKEY_LOCAL_MACHINE, kPathKey, "PATH", StandInPath());
  StandInLog log("sysinfo-path");
  Run();
  EXPECT_TRUE(m_messages.messages().empty());
  const auto commandLine = log.WaitForCommandLine();
  ASSERT_TRUE(commandLine.has_value()) << "the tool was not started";
  EXPECT_EQ(*commandLine, Quoted(StandInPath()));
}

TEST_F(Win32StartSysInfoTest, RegisteredFolderWithTheToolStartsIt) {
  // A folder of its own, holding a copy of the stand-in under the tool's name.
  const std::string folder = TestProgramFolder() + "\\sysinfo folder";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string tool = folder + "\\MSINFO32.EXE";
  ASSERT_TRUE(CopyFileA(StandInPath().c_str(), tool.c_str(), FALSE));
  m_keys.PutString(HKEY_LOCAL_MACHINE, kFolderKey, "MSINFO", folder);
  StandInLog log("sysinfo-folder");
  Run();
  EXPECT_TRUE(m_messages.messages().empty());
  const auto commandLine = log.WaitForCommandLine();
  ASSERT_TRUE(commandLine.has_value()) << "the tool was not started";
  EXPECT_EQ(*commandLine, Quoted(tool));
  DeleteFileA(tool.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(Win32StartSysInfoTest, RegisteredPathOfAMissingFileShowsTheMessage) {
  m_keys.PutString(HKEY_LOCAL_MACHINE, kPathKey, "PATH", TestProgramFolder() + "\\gone.exe");
  Run();
  EXPECT_EQ(m_messages.messages(), std::vector<std::string>{std::string(kSysInfoUnavailable)});
}

TEST_F(Win32StartSysInfoTest, FolderWithoutTheToolShowsTheMessage) {
  m_keys.PutString(HKEY_LOCAL_MACHINE, kFolderKey, "MSINFO", TestProgramFolder());
  StandInLog log("sysinfo-none");
  Run();
  EXPECT_EQ(m_messages.messages(), std::vector<std::string>{std::string(kSysInfoUnavailable)});
  EXPECT_TRUE(log.StaysEmpty());
}

TEST_F(Win32StartSysInfoTest, NothingRegisteredShowsTheMessage) {
  Run();
  EXPECT_EQ(m_messages.messages(), std::vector<std::string>{std::string(kSysInfoUnavailable)});
}

// An empty folder text or one of another type names no folder: the tool's name is not looked
// for at the root of the current drive.
TEST_F(Win32StartSysInfoTest, EmptyOrOtherTypeFolderShowsTheMessage) {
  for (const DWORD type : {DWORD{REG_SZ}, DWORD{REG_EXPAND_SZ}, DWORD{REG_BINARY}}) {
    SCOPED_TRACE(type);
    RegistryKeys keys;
    keys.Put(HKEY_LOCAL_MACHINE, kFolderKey, "MSINFO", type,
             type == REG_SZ ? std::vector<std::uint8_t>{0} : std::vector<std::uint8_t>{'C', 0});
    RecordingMessageBox messages;
    StandInLog log("sysinfo-empty");
    StartSysInfo({m_registry, m_files, m_starter, messages});
    EXPECT_EQ(messages.messages(), std::vector<std::string>{std::string(kSysInfoUnavailable)});
    EXPECT_TRUE(log.StaysEmpty());
  }
}

// The link label on the real platform: the shell's find query, the open request and the files.
class Win32WebLinkTest : public ::testing::Test {
 protected:
  void Click() { Label3_Click({m_folder, m_files, m_finder, m_pump, m_opener, m_messages}); }

  std::string TempFile() const {
    return TestProgramFolder() + "\\" + std::string(kTempLinkFileName);
  }

  RegistryKeys m_keys;
  Win32ProgramFolder m_folder;
  Win32FileSystem m_files;
  Win32ExecutableFinder m_finder;
  Win32EventPump m_pump;
  Win32AddressOpener m_opener{nullptr};
  RecordingMessageBox m_messages;
};

TEST_F(Win32WebLinkTest, OpensTheSiteInTheRegisteredBrowser) {
  const std::string classes = "Software\\Classes";
  const std::string command = StandInCommand();
  m_keys.PutString(HKEY_LOCAL_MACHINE, classes + "\\.html", nullptr, "Tallies.TestPage");
  m_keys.PutString(HKEY_LOCAL_MACHINE, classes + "\\Tallies.TestPage\\shell\\open\\command",
                   nullptr, command);
  m_keys.PutString(HKEY_LOCAL_MACHINE, classes + "\\https", "URL Protocol", "");
  m_keys.PutString(HKEY_LOCAL_MACHINE, classes + "\\https\\shell\\open\\command", nullptr, command);
  StandInLog log("weblink");
  Click();
  EXPECT_TRUE(m_messages.messages().empty());
  EXPECT_FALSE(PathExists(TempFile()));
  const auto commandLine = log.WaitForCommandLine();
  ASSERT_TRUE(commandLine.has_value()) << "the browser was not started";
  EXPECT_NE(commandLine->find(std::string(kVendorSiteUrl)), std::string::npos) << *commandLine;
}

TEST_F(Win32WebLinkTest, NoBrowserRegisteredIsReportedAndNothingOpens) {
  m_keys.PutString(HKEY_LOCAL_MACHINE, "Software\\Classes\\.html", nullptr,
                   "Tallies.NoSuchProgram");
  StandInLog log("weblink-none");
  Click();
  EXPECT_EQ(m_messages.messages(), std::vector<std::string>{std::string(kNoBrowserMessage)});
  EXPECT_FALSE(PathExists(TempFile()));
  EXPECT_TRUE(log.StaysEmpty());
}

TEST_F(Win32WebLinkTest, LeftoverFileIsDeleted) {
  { std::ofstream(TempFile(), std::ios::binary) << "<html>old</html>"; }
  m_keys.PutString(HKEY_LOCAL_MACHINE, "Software\\Classes\\.html", nullptr,
                   "Tallies.NoSuchProgram");
  Click();
  EXPECT_FALSE(PathExists(TempFile()));
}

}  // namespace
}  // namespace tallies
