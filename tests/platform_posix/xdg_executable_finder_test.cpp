#include "platform/posix/xdg_executable_finder.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/temp_folder.h"

namespace tallies {
namespace {

using testing::ReadFile;
using testing::TempFolder;

// A stand-in for xdg-mime that writes its arguments, one a line, to a file and answers from a
// table of MIME types.
class XdgExecutableFinderTest : public ::testing::Test {
 protected:
  XdgExecutableFinderTest() {
    m_files = m_temp.MakeFolder("files");
    m_temp.PutFile("files/x27z42j.html", "");
  }

  std::string PutXdgMime(const std::string& answers) {
    return m_temp.PutScript("xdg-mime", "printf '%s\\n' \"$@\" > '" + m_temp.PathOf("args") +
                                            "'\ncase \"$3\" in\n" + answers + "\nesac");
  }

  TempFolder m_temp;
  std::string m_files;
};

TEST_F(XdgExecutableFinderTest, AsksForTheDefaultHandlerOfTheFilesType) {
  XdgExecutableFinder finder(PutXdgMime("text/html) echo web-browser.desktop ;;"));
  std::array<char, 260> result{};
  EXPECT_GE(finder.FindExecutable("x27z42j.html", m_files, result), 32);
  // Each argument separately, never a command line for a shell.
  EXPECT_EQ(ReadFile(m_temp.PathOf("args")), "query\ndefault\ntext/html\n");
  EXPECT_EQ(std::string(result.data()), "web-browser.desktop");
}

TEST_F(XdgExecutableFinderTest, GivesTheHandlersDesktopEntryPathWhenItCanBeFound) {
  const std::string dataHome = m_temp.MakeFolder("data");
  m_temp.MakeFolder("data/applications");
  const std::string entry =
      m_temp.PutFile("data/applications/web-browser.desktop", "[Desktop Entry]\n");
  const QByteArray before = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dataHome));
  XdgExecutableFinder finder(PutXdgMime("text/html) echo web-browser.desktop ;;"));
  std::array<char, 260> result{};
  const std::int32_t found = finder.FindExecutable("x27z42j.html", m_files, result);
  qputenv("XDG_DATA_HOME", before);
  EXPECT_GE(found, 32);
  EXPECT_EQ(std::string(result.data()), entry);
}

TEST_F(XdgExecutableFinderTest, ResultIsCutToTheBuffer) {
  XdgExecutableFinder finder(PutXdgMime("text/html) echo web-browser.desktop ;;"));
  std::array<char, 5> result{'?', '?', '?', '?', '?'};
  EXPECT_GE(finder.FindExecutable("x27z42j.html", m_files, result), 32);
  EXPECT_EQ(std::string(result.data()), "web-");
}

TEST_F(XdgExecutableFinderTest, NoHandlerIsNoAssociation) {
  struct Case {
    const char* what;
    const char* answers;
  };
  const Case cases[] = {
      {"empty answer", "text/html) echo ;;"},
      {"blank answer", "text/html) echo '   ' ;;"},
      {"failure", "text/html) exit 1 ;;"},
      {"killed", "text/html) kill -9 $$ ;;"},
  };
  for (const Case& c : cases) {
    XdgExecutableFinder finder(PutXdgMime(c.answers));
    std::array<char, 260> result{};
    EXPECT_EQ(finder.FindExecutable("x27z42j.html", m_files, result), 31) << c.what;
    EXPECT_EQ(result.front(), '\0') << c.what;
  }
}

TEST_F(XdgExecutableFinderTest, NoXdgMimeIsNoAssociation) {
  XdgExecutableFinder finder(m_temp.PathOf("no-such-program"));
  std::array<char, 260> result{};
  EXPECT_EQ(finder.FindExecutable("x27z42j.html", m_files, result), 31);
}

TEST_F(XdgExecutableFinderTest, MissingFileIsFileNotFound) {
  XdgExecutableFinder finder(PutXdgMime("text/html) echo web-browser.desktop ;;"));
  std::array<char, 260> result{};
  EXPECT_EQ(finder.FindExecutable("other.html", m_files, result), 2);
  EXPECT_FALSE(testing::FileExists(m_temp.PathOf("args")));
}

TEST_F(XdgExecutableFinderTest, FileOfNoKnownTypeIsNoAssociation) {
  m_temp.PutFile("files/data.zz9qq", "");
  XdgExecutableFinder finder(PutXdgMime("*) echo any.desktop ;;"));
  std::array<char, 260> result{};
  EXPECT_EQ(finder.FindExecutable("data.zz9qq", m_files, result), 31);
}

}  // namespace
}  // namespace tallies
