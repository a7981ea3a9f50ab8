#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <string>
#include <vector>

#include "about/web_link.h"
#include "fake_address_opener.h"
#include "fake_event_pump.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_program_folder.h"
#include "platform/posix/xdg_executable_finder.h"
#include "qtapp/about_actions.h"
#include "support/modal_watchdog.h"
#include "support/recording_message_box.h"
#include "support/temp_folder.h"
#include "support/url_recorder.h"

namespace tallies {
namespace {

using testing::FakeAddressOpener;
using testing::FakeEventPump;
using testing::FileExists;
using testing::RecordingMessageBox;
using testing::TempFolder;
using testing::UrlRecorder;

// The web link on real files, with a stand-in xdg-mime that names a browser when asked about
// web pages.
class WebLinkPosixTest : public ::testing::Test {
 protected:
  WebLinkPosixTest() {
    m_xdgMime =
        m_temp.PutScript("xdg-mime", "case \"$3\" in text/html) echo web-browser.desktop ;; esac");
  }

  void Click(ProgramFolder& folder, ExecutableFinder& finder) {
    Label3_Click({folder, m_files, finder, m_pump, m_opener, m_messages});
  }

  TempFolder m_temp;
  std::string m_xdgMime;
  PosixFileSystem m_files;
  FakeEventPump m_pump;
  FakeAddressOpener m_opener;
  RecordingMessageBox m_messages;
};

TEST_F(WebLinkPosixTest, WritableProgramFolderHoldsTheFileBriefly) {
  const std::string programFolder = m_temp.MakeFolder("program", 0755);
  PosixProgramFolder folder(programFolder, m_temp.MakeFolder("runtime"));
  XdgExecutableFinder finder(m_xdgMime);
  bool fileExistedAtPump = true;
  m_pump.QueueEvent([&] { fileExistedAtPump = FileExists(programFolder + "/x27z42j.html"); });
  Click(folder, finder);
  EXPECT_FALSE(fileExistedAtPump);
  EXPECT_FALSE(FileExists(programFolder + "/x27z42j.html"));
  EXPECT_EQ(m_opener.requests().size(), 1u);
  EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(WebLinkPosixTest, NoBrowserIsReportedAndTheFileIsGone) {
  const std::string programFolder = m_temp.MakeFolder("program", 0755);
  PosixProgramFolder folder(programFolder, std::nullopt);
  XdgExecutableFinder finder(m_temp.PutScript("empty-xdg-mime", "exit 0"));
  Click(folder, finder);
  EXPECT_EQ(m_messages.messages(), std::vector<std::string>{"Unable to find Web Browser."});
  EXPECT_FALSE(FileExists(programFolder + "/x27z42j.html"));
  EXPECT_TRUE(m_opener.requests().empty());
}

TEST_F(WebLinkPosixTest, LeftoverFileIsDeleted) {
  const std::string programFolder = m_temp.MakeFolder("program", 0755);
  m_temp.PutFile("program/x27z42j.html", "<html>old</html>");
  PosixProgramFolder folder(programFolder, std::nullopt);
  XdgExecutableFinder finder(m_xdgMime);
  Click(folder, finder);
  EXPECT_FALSE(FileExists(programFolder + "/x27z42j.html"));
  EXPECT_EQ(m_opener.requests().size(), 1u);
}

TEST_F(WebLinkPosixTest, MissingProgramFolderUsesTheRuntimeFolder) {
  const std::string runtime = m_temp.MakeFolder("runtime", 0700);
  PosixProgramFolder folder(m_temp.PathOf("not-there"), runtime);
  XdgExecutableFinder finder(m_xdgMime);
  Click(folder, finder);
  EXPECT_TRUE(m_messages.messages().empty());
  EXPECT_EQ(m_opener.requests().size(), 1u);
  EXPECT_FALSE(FileExists(runtime + "/x27z42j.html"));
}

TEST_F(WebLinkPosixTest, NoUsableFolderGivesTheErrorReport) {
  // The runtime folder is shared with others, so it is not used either.
  PosixProgramFolder folder(m_temp.PathOf("not-there"), m_temp.MakeFolder("shared", 0777));
  XdgExecutableFinder finder(m_xdgMime);
  Click(folder, finder);
  ASSERT_EQ(m_messages.messages().size(), 1u);
  EXPECT_EQ(m_messages.messages().front(),
            "An error has occured, please report this to you lowly programmer\r\n"
            "Error Number: 2\r\nError description: No such file or directory");
  EXPECT_TRUE(m_opener.requests().empty());
  EXPECT_FALSE(FileExists(m_temp.PathOf("shared/x27z42j.html")));
}

// The main window's entry point, with the running platform: the program's own folder (the test's
// build folder), xdg-mime from PATH (a stand-in) and the desktop's handler for the address
// (a recorder).
TEST(OpenVendorSite, OpensTheSiteThroughTheDesktop) {
  TempFolder temp;
  temp.MakeFolder("bin");
  temp.PutScript("bin/xdg-mime", "echo web-browser.desktop");
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QByteArray::fromStdString(temp.PathOf("bin") + ":") + path);
  UrlRecorder browser;
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "Open");

  testing::ModalWatchdog watchdog;
  OpenVendorSite(nullptr);

  QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  qputenv("PATH", path);
  EXPECT_TRUE(watchdog.messages().empty()) << watchdog.messages().front();
  ASSERT_EQ(browser.urls().size(), 1u);
  EXPECT_EQ(browser.urls().front().toString().toStdString(), TALLIES_EXPECTED_SITE_URL);
  EXPECT_FALSE(FileExists(QCoreApplication::applicationDirPath().toStdString() + "/x27z42j.html"));
}

}  // namespace
}  // namespace tallies
