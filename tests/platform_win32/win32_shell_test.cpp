#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>

#include "platform/executable_finder.h"
#include "platform/show_command.h"
#include "platform/win32/win32_address_opener.h"
#include "platform/win32/win32_executable_finder.h"
#include "platform/win32/win32_program_starter.h"
#include "registry_keys.h"
#include "stand_in.h"

namespace tallies {
namespace {

using testing::Quoted;
using testing::RegistryKeys;
using testing::StandInCommand;
using testing::StandInLog;
using testing::StandInPath;
using testing::TestProgramFolder;

// The machine's file types and address schemes (the shell of this Wine does not look at the
// current user's own).
constexpr const char* kClasses = "Software\\Classes";

// Registers the stand-in as the program that opens ".html" files in the machine's file types.
void RegisterHtmlStandIn(RegistryKeys& keys) {
  const std::string classes(kClasses);
  keys.PutString(HKEY_LOCAL_MACHINE, classes + "\\.html", nullptr, "Tallies.TestPage");
  keys.PutString(HKEY_LOCAL_MACHINE, classes + "\\Tallies.TestPage\\shell\\open\\command", nullptr,
                 StandInCommand());
}

// Registers the stand-in as the handler of https addresses in the machine's file types.
void RegisterBrowserStandIn(RegistryKeys& keys) {
  const std::string classes(kClasses);
  keys.PutString(HKEY_LOCAL_MACHINE, classes + "\\https", nullptr, "URL:HyperText Transfer");
  keys.PutString(HKEY_LOCAL_MACHINE, classes + "\\https", "URL Protocol", "");
  keys.PutString(HKEY_LOCAL_MACHINE, classes + "\\https\\shell\\open\\command", nullptr,
                 StandInCommand());
}

class Win32FindExecutableTest : public ::testing::Test {
 protected:
  Win32FindExecutableTest() {
    HANDLE file = CreateFileA(m_page.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
  }
  ~Win32FindExecutableTest() override { DeleteFileA(m_page.c_str()); }

  std::string m_folder = TestProgramFolder();
  std::string m_page = m_folder + "\\find-test.html";
  Win32ExecutableFinder m_finder;
  std::array<char, kMaxPath> m_found{};
};

TEST_F(Win32FindExecutableTest, NamesTheRegisteredProgram) {
  RegistryKeys keys;
  RegisterHtmlStandIn(keys);
  const std::int32_t code = m_finder.FindExecutable("find-test.html", m_folder, m_found);
  EXPECT_GT(code, kShellLowestSuccess);
  EXPECT_STRCASEEQ(m_found.data(), StandInPath().c_str());
}

TEST_F(Win32FindExecutableTest, NoProgramForTheTypeIsNoAssociation) {
  // This prefix registers nothing for ".html" (its browser engine is left out); a type of the
  // user's own that names no program stands for a machine without a browser either way.
  RegistryKeys keys;
  keys.PutString(HKEY_LOCAL_MACHINE, std::string(kClasses) + "\\.html", nullptr,
                 "Tallies.NoSuchProgram");
  EXPECT_EQ(m_finder.FindExecutable("find-test.html", m_folder, m_found), kShellNoAssociation);
}

TEST_F(Win32FindExecutableTest, MissingFileIsFileNotFound) {
  RegistryKeys keys;
  RegisterHtmlStandIn(keys);
  EXPECT_EQ(m_finder.FindExecutable("no-such-page.html", m_folder, m_found), kShellFileNotFound);
}

TEST_F(Win32FindExecutableTest, ResultIsCutToTheCallersBuffer) {
  RegistryKeys keys;
  RegisterHtmlStandIn(keys);
  std::array<char, 8> small{};
  small.fill('#');
  EXPECT_GT(m_finder.FindExecutable("find-test.html", m_folder, small), kShellLowestSuccess);
  EXPECT_EQ(std::string(small.data()), StandInPath().substr(0, 7));
}

TEST(Win32AddressOpener, OpensTheAddressInTheRegisteredBrowser) {
  RegistryKeys keys;
  RegisterBrowserStandIn(keys);
  StandInLog log("browser");
  Win32AddressOpener opener(nullptr);
  EXPECT_GE(opener.Open("Open", "https://tallies.example.org/", "", "", kShowNormal),
            kShellLowestSuccess);
  const auto commandLine = log.WaitForCommandLine();
  ASSERT_TRUE(commandLine.has_value()) << "the stand-in browser was not started";
  EXPECT_NE(commandLine->find("https://tallies.example.org/"), std::string::npos) << *commandLine;
}

TEST(Win32AddressOpener, UnknownOperationFails) {
  Win32AddressOpener opener(nullptr);
  EXPECT_LT(
      opener.Open("Open", TestProgramFolder() + "\\no such file.tallies-none", "", "", kShowNormal),
      kShellLowestSuccess);
}

TEST(Win32ProgramStarter, StartsTheProgramWithItsPathQuoted) {
  StandInLog log("started");
  Win32ProgramStarter starter;
  starter.Start(StandInPath(), kShowNormal);
  const auto commandLine = log.WaitForCommandLine();
  ASSERT_TRUE(commandLine.has_value()) << "the stand-in was not started";
  EXPECT_EQ(*commandLine, Quoted(StandInPath()));
}

TEST(Win32ProgramStarter, MissingProgramThrowsTheSystemsError) {
  Win32ProgramStarter starter;
  try {
    starter.Start(TestProgramFolder() + "\\no such tool.exe", kShowNormal);
    FAIL() << "no error";
  } catch (const std::system_error& e) {
    EXPECT_EQ(e.code().value(), ERROR_FILE_NOT_FOUND);
  }
}

}  // namespace
}  // namespace tallies
