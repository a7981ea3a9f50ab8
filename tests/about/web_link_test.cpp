#include "about/web_link.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "fake_address_opener.h"
#include "fake_event_pump.h"
#include "fake_executable_finder.h"
#include "fake_file_system.h"
#include "fake_program_folder.h"
#include "support/recording_message_box.h"

namespace tallies {
namespace {

using testing::FakeAddressOpener;
using testing::FakeEventPump;
using testing::FakeExecutableFinder;
using testing::FakeFileSystem;
using testing::FakeProgramFolder;
using testing::RecordingMessageBox;

constexpr const char* kFolder = "/opt/tallies";
constexpr const char* kTempPath = "/opt/tallies/x27z42j.html";

std::string ErrorReport(long number, const std::string& description) {
  return "An error has occured, please report this to you lowly programmer\r\nError Number: " +
         std::to_string(number) + "\r\nError description: " + description;
}

class WebLinkTest : public ::testing::Test {
 protected:
  WebLinkPlatform Platform() { return {m_folder, m_files, m_finder, m_pump, m_opener, m_messages}; }
  void Click() { Label3_Click(Platform()); }

  FakeProgramFolder m_folder{kFolder, '/'};
  FakeFileSystem m_files;
  FakeExecutableFinder m_finder;
  FakeEventPump m_pump;
  FakeAddressOpener m_opener;
  RecordingMessageBox m_messages;
};

struct FindCase {
  const char* name;
  std::int32_t found;
  const char* message;  // nullptr: no message
  bool opens;
};

class WebLinkFindResult : public WebLinkTest, public ::testing::WithParamInterface<FindCase> {};

TEST_P(WebLinkFindResult, IsJudgedAfterTheFileIsDeleted) {
  const FindCase& c = GetParam();
  m_finder.Answer(c.found);
  m_finder.OnQuery([&](const FakeExecutableFinder::Query&) {
    // The shell is asked about a file that exists.
    EXPECT_TRUE(m_files.HasFile(kTempPath));
  });
  m_messages.OnShow([&](const std::string&) { EXPECT_FALSE(m_files.HasFile(kTempPath)); });
  Click();

  EXPECT_EQ(m_files.log(), (std::vector<std::string>{std::string("create ") + kTempPath,
                                                     std::string("remove ") + kTempPath}));
  EXPECT_FALSE(m_files.HasFile(kTempPath));
  if (c.message != nullptr) {
    EXPECT_EQ(m_messages.messages(), std::vector<std::string>{c.message});
  } else {
    EXPECT_TRUE(m_messages.messages().empty());
  }
  EXPECT_EQ(m_opener.requests().size(), c.opens ? 1u : 0u);
  EXPECT_EQ(m_pump.runs(), c.opens ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, WebLinkFindResult,
    ::testing::Values(
        FindCase{"Zero", 0, "Sorry out of memory, please close some programs and try again.",
                 false},
        FindCase{"One", 1, "Error Number: 1", false}, FindCase{"Two", 2, "Error Number: 2", false},
        FindCase{"Eleven", 11, "Error Number: 11", false},
        FindCase{"Thirty", 30, "Error Number: 30", false},
        FindCase{"ThirtyOne", 31, "Unable to find Web Browser.", false},
        FindCase{"MinusOne", -1, nullptr, false},
        FindCase{"MostNegative", std::numeric_limits<std::int32_t>::min(), nullptr, false},
        FindCase{"ThirtyTwo", 32, nullptr, true}, FindCase{"FortyTwo", 42, nullptr, true},
        FindCase{"Largest", std::numeric_limits<std::int32_t>::max(), nullptr, true}),
    [](const ::testing::TestParamInfo<FindCase>& info) { return std::string(info.param.name); });

struct OpenCase {
  const char* name;
  std::int32_t opened;
  bool complains;
};

class WebLinkOpenResult : public WebLinkTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(WebLinkOpenResult, BelowThirtyTwoIsAFailedLaunch) {
  const OpenCase& c = GetParam();
  m_opener.Answer(c.opened);
  Click();
  ASSERT_EQ(m_opener.requests().size(), 1u);
  if (c.complains) {
    EXPECT_EQ(m_messages.messages(), std::vector<std::string>{"Unable to launch Web Browser."});
  } else {
    EXPECT_TRUE(m_messages.messages().empty());
  }
  EXPECT_FALSE(m_files.HasFile(kTempPath));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, WebLinkOpenResult,
    ::testing::Values(OpenCase{"Zero", 0, true}, OpenCase{"Two", 2, true},
                      OpenCase{"ThirtyOne", 31, true}, OpenCase{"MinusFive", -5, true},
                      OpenCase{"ThirtyTwo", 32, false}, OpenCase{"ThirtyThree", 33, false},
                      OpenCase{"FortyTwo", 42, false}),
    [](const ::testing::TestParamInfo<OpenCase>& info) { return std::string(info.param.name); });

TEST_F(WebLinkTest, AsksAboutTheFileByNameInItsFolderWithAFullPathBuffer) {
  Click();
  ASSERT_EQ(m_finder.queries().size(), 1u);
  const FakeExecutableFinder::Query& query = m_finder.queries().front();
  EXPECT_EQ(query.fileName, "x27z42j.html");
  EXPECT_EQ(query.directory, kFolder);
  // The shell may write MAX_PATH characters; the buffer holds them all.
  EXPECT_GE(query.bufferSize, 260u);
}

TEST_F(WebLinkTest, OpensTheSiteWithTheOpenOperationInANormalWindow) {
  Click();
  ASSERT_EQ(m_opener.requests().size(), 1u);
  const FakeAddressOpener::Request& request = m_opener.requests().front();
  EXPECT_EQ(request.operation, "Open");
  EXPECT_EQ(request.file, TALLIES_EXPECTED_SITE_URL);
  EXPECT_EQ(request.parameters, "");
  EXPECT_EQ(request.directory, "");
  EXPECT_EQ(request.showCommand, 1);
}

TEST_F(WebLinkTest, EventsRunAfterTheFileIsGoneAndBeforeTheSiteOpens) {
  m_pump.QueueEvent([&] {
    EXPECT_FALSE(m_files.HasFile(kTempPath));
    EXPECT_TRUE(m_opener.requests().empty());
  });
  Click();
  EXPECT_EQ(m_pump.runs(), 1);
  EXPECT_EQ(m_opener.requests().size(), 1u);
}

TEST_F(WebLinkTest, LeftoverFileKeepsItsContentUntilItIsDeleted) {
  m_files.PutFile(kTempPath, "left from an earlier run");
  m_finder.OnQuery([&](const FakeExecutableFinder::Query&) {
    ASSERT_TRUE(m_files.HasFile(kTempPath));
    EXPECT_EQ(m_files.Content(kTempPath), "left from an earlier run");
  });
  Click();
  EXPECT_FALSE(m_files.HasFile(kTempPath));
  EXPECT_EQ(m_opener.requests().size(), 1u);
}

TEST_F(WebLinkTest, RootFolderGivesADoubledBackslash) {
  FakeProgramFolder root("C:\\", '\\');
  Label3_Click({root, m_files, m_finder, m_pump, m_opener, m_messages});
  EXPECT_EQ(m_files.log(),
            (std::vector<std::string>{"create C:\\\\x27z42j.html", "remove C:\\\\x27z42j.html"}));
  ASSERT_EQ(m_finder.queries().size(), 1u);
  EXPECT_EQ(m_finder.queries().front().directory, "C:\\");
  EXPECT_EQ(m_opener.requests().size(), 1u);
}

TEST_F(WebLinkTest, ReadOnlyProgramFolderUsesThePrivateFallbackFolder) {
  m_folder.SetWritable(false);
  m_folder.SetFallback("/run/user/1000");
  m_finder.OnQuery([&](const FakeExecutableFinder::Query& query) {
    EXPECT_EQ(query.directory, "/run/user/1000");
    EXPECT_TRUE(m_files.HasFile("/run/user/1000/x27z42j.html"));
  });
  Click();
  EXPECT_EQ(m_files.log(), (std::vector<std::string>{"create /run/user/1000/x27z42j.html",
                                                     "remove /run/user/1000/x27z42j.html"}));
  EXPECT_EQ(m_files.FileCount(), 0u);
  EXPECT_EQ(m_opener.requests().size(), 1u);
  EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(WebLinkTest, WritableProgramFolderIsUsedEvenWithAFallback) {
  m_folder.SetFallback("/run/user/1000");
  Click();
  ASSERT_EQ(m_finder.queries().size(), 1u);
  EXPECT_EQ(m_finder.queries().front().directory, kFolder);
}

TEST_F(WebLinkTest, NoFolderTakesTheFileEndsInTheErrorReport) {
  m_folder.SetWritable(false);
  m_files.FailCreate(EACCES);
  Click();
  EXPECT_EQ(m_files.log(), (std::vector<std::string>{std::string("create ") + kTempPath,
                                                     std::string("exists ") + kTempPath}));
  EXPECT_EQ(m_messages.messages(),
            std::vector<std::string>{ErrorReport(EACCES, std::strerror(EACCES))});
  EXPECT_TRUE(m_finder.queries().empty());
  EXPECT_TRUE(m_opener.requests().empty());
}

TEST(WebLinkNoFolder, UnknownProgramFolderWithoutFallbackCreatesNothing) {
  FakeProgramFolder folder{"", '\\'};
  folder.SetWritable(false);
  FakeFileSystem files;
  FakeExecutableFinder finder;
  FakeEventPump pump;
  FakeAddressOpener opener;
  RecordingMessageBox messages;
  Label3_Click({folder, files, finder, pump, opener, messages});
  for (const std::string& entry : files.log()) {
    EXPECT_NE(entry.rfind("create", 0), 0u) << entry;
  }
  EXPECT_EQ(messages.messages(),
            std::vector<std::string>{ErrorReport(ENOENT, std::strerror(ENOENT))});
  EXPECT_TRUE(finder.queries().empty());
  EXPECT_TRUE(opener.requests().empty());
}

TEST_F(WebLinkTest, FailedCreationShowsTheErrorReportAndOpensNothing) {
  m_files.FailCreate(EROFS);
  Click();
  EXPECT_EQ(m_messages.messages(),
            std::vector<std::string>{ErrorReport(EROFS, std::strerror(EROFS))});
  EXPECT_TRUE(m_finder.queries().empty());
  EXPECT_TRUE(m_opener.requests().empty());
  EXPECT_EQ(m_pump.runs(), 0);
  EXPECT_EQ(m_files.FileCount(), 0u);
}

TEST_F(WebLinkTest, FailedDeletionIsReportedAndTheReportDeletesTheFile) {
  m_files.FailRemove(EBUSY, 1);
  Click();
  EXPECT_EQ(m_files.log(), (std::vector<std::string>{
                               std::string("create ") + kTempPath,
                               std::string("remove ") + kTempPath,
                               std::string("exists ") + kTempPath,
                               std::string("remove ") + kTempPath,
                           }));
  EXPECT_EQ(m_messages.messages(),
            std::vector<std::string>{ErrorReport(EBUSY, std::strerror(EBUSY))});
  EXPECT_FALSE(m_files.HasFile(kTempPath));
  EXPECT_TRUE(m_opener.requests().empty());
}

TEST_F(WebLinkTest, FileThatCannotBeDeletedAtAllGivesOneReportAndNoFailure) {
  m_files.FailRemove(EPERM);
  EXPECT_NO_THROW(Click());
  EXPECT_EQ(m_messages.messages(),
            std::vector<std::string>{ErrorReport(EPERM, std::strerror(EPERM))});
  EXPECT_TRUE(m_opener.requests().empty());
}

TEST_F(WebLinkTest, FailingQueryIsReportedAndTheFileDeleted) {
  m_finder.OnQuery([](const FakeExecutableFinder::Query&) {
    throw std::system_error(ENOENT, std::generic_category(), "query");
  });
  Click();
  EXPECT_EQ(m_messages.messages(),
            std::vector<std::string>{ErrorReport(ENOENT, std::strerror(ENOENT))});
  EXPECT_FALSE(m_files.HasFile(kTempPath));
  EXPECT_TRUE(m_opener.requests().empty());
}

TEST_F(WebLinkTest, FailureWithoutANumberIsReportedWithItsText) {
  m_finder.OnQuery(
      [](const FakeExecutableFinder::Query&) { throw std::runtime_error("shell went away"); });
  Click();
  EXPECT_EQ(m_messages.messages(), std::vector<std::string>{ErrorReport(-1, "shell went away")});
  EXPECT_FALSE(m_files.HasFile(kTempPath));
}

TEST_F(WebLinkTest, FailingMessageIsCaughtByTheTrap) {
  m_finder.Answer(31);
  bool first = true;
  m_messages.OnShow([&](const std::string&) {
    if (first) {
      first = false;
      throw std::runtime_error("no message box");
    }
  });
  Click();
  EXPECT_EQ(m_messages.messages(), (std::vector<std::string>{"Unable to find Web Browser.",
                                                             ErrorReport(-1, "no message box")}));
}

TEST_F(WebLinkTest, SecondClickDuringTheEventPumpRunsAFullSecondPass) {
  m_pump.QueueEvent([&] { Click(); });
  Click();
  EXPECT_EQ(m_files.log(), (std::vector<std::string>{
                               std::string("create ") + kTempPath,
                               std::string("remove ") + kTempPath,
                               std::string("create ") + kTempPath,
                               std::string("remove ") + kTempPath,
                           }));
  EXPECT_EQ(m_finder.queries().size(), 2u);
  // Each pass lets events run and opens the site: the nested pass first, then the first pass.
  EXPECT_EQ(m_pump.runs(), 2);
  EXPECT_EQ(m_opener.requests().size(), 2u);
  EXPECT_FALSE(m_files.HasFile(kTempPath));
  EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(WebLinkTest, SecondClickDuringTheEventPumpReportsItsOwnFailure) {
  m_pump.QueueEvent([&] {
    m_opener.Answer(5);
    Click();
    m_opener.Answer(42);
  });
  Click();
  EXPECT_EQ(m_opener.requests().size(), 2u);
  EXPECT_EQ(m_messages.messages(), std::vector<std::string>{"Unable to launch Web Browser."});
}

}  // namespace
}  // namespace tallies
