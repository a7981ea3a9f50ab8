#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <stdexcept>
#include <string>
#include <vector>

#include "about/start_sys_info.h"
#include "config/app_config.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_registry.h"
#include "platform/qt/qt_address_opener.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_modal_message_box.h"
#include "platform/qt/qt_program_starter.h"
#include "support/recording_message_box.h"
#include "support/temp_folder.h"
#include "support/url_recorder.h"

namespace tallies {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::RecordingMessageBox;
using testing::TempFolder;
using testing::UrlRecorder;

// Waits up to five seconds for something a started program does.
bool WaitFor(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > 5000) {
      return false;
    }
    QThread::msleep(20);
  }
  return true;
}

TEST(QtModalMessageBox, IsModalWithTitleOkOnlyAndNoIcon) {
  QtModalMessageBox messages;
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = true;
    EXPECT_EQ(box->windowTitle(), QString::fromUtf8(kApplicationTitle.data()));
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    // Lines broken by CR LF show as lines.
    EXPECT_EQ(box->text(), QStringLiteral("First line\nError Number: 5\n<b>as typed</b>"));
    box->button(QMessageBox::Ok)->click();
  });
  messages.Show("First line\r\nError Number: 5\r\n<b>as typed</b>");
  EXPECT_TRUE(seen);
}

TEST(QtEventPump, RunsQueuedEventsThenReturns) {
  QtEventPump pump;
  int runs = 0;
  QMetaObject::invokeMethod(
      qApp, [&] { ++runs; }, Qt::QueuedConnection);
  QMetaObject::invokeMethod(
      qApp, [&] { ++runs; }, Qt::QueuedConnection);
  EXPECT_EQ(runs, 0);
  pump.ProcessPendingEvents();
  EXPECT_EQ(runs, 2);
}

class QtAddressOpenerTest : public ::testing::Test {
 protected:
  QtAddressOpenerTest() {
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "Open");
  }
  ~QtAddressOpenerTest() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

  UrlRecorder m_browser;
  QtAddressOpener m_opener;
};

TEST_F(QtAddressOpenerTest, OpensTheAddressWithTheDesktopsHandler) {
  EXPECT_GE(m_opener.Open("Open", kVendorSiteUrl, "", "", 1), 32);
  ASSERT_EQ(m_browser.urls().size(), 1u);
  EXPECT_EQ(m_browser.urls().front().toString().toStdString(), kVendorSiteUrl);
}

TEST_F(QtAddressOpenerTest, OperationIsNotCaseSensitive) {
  EXPECT_GE(m_opener.Open("open", kVendorSiteUrl, "", "", 1), 32);
  EXPECT_EQ(m_browser.urls().size(), 1u);
}

TEST_F(QtAddressOpenerTest, UnknownOperationIsNoAssociation) {
  EXPECT_EQ(m_opener.Open("print", kVendorSiteUrl, "", "", 1), 31);
  EXPECT_TRUE(m_browser.urls().empty());
}

TEST_F(QtAddressOpenerTest, EmptyAddressIsFileNotFound) {
  EXPECT_EQ(m_opener.Open("Open", "", "", "", 1), 2);
  EXPECT_TRUE(m_browser.urls().empty());
}

TEST(QtProgramStarter, StartsTheProgramWithoutWaiting) {
  TempFolder temp;
  const std::string marker = temp.PathOf("started");
  const std::string program = temp.PutScript("tool", "sleep 0.2\ntouch '" + marker + "'");
  QtProgramStarter starter;
  starter.Start(program, 1);
  // Start returned before the program could finish.
  EXPECT_FALSE(FileExists(marker));
  EXPECT_TRUE(WaitFor([&] { return FileExists(marker); }));
}

// A stand-in program that writes the number of its arguments, then each on a line of its own,
// into the file record.
std::string PutArgumentRecorder(TempFolder& temp, const std::string& name,
                                const std::string& record) {
  return temp.PutScript(name, "printf '%s\\n' \"$#\" \"$@\" > '" + record + ".part'\nmv '" +
                                  record + ".part' '" + record + "'");
}

// What a started program was given, in the form PutArgumentRecorder writes it.
struct ArgumentsCase {
  const char* name;
  std::vector<std::string> arguments;
  std::string recorded;
};

class QtProgramStarterArgumentsTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(QtProgramStarterArgumentsTest, ArgumentsJoinedToThePathAreEachOneWord) {
  const ArgumentsCase& c = GetParam();
  TempFolder temp;
  // Blanks in the program's folder do not split its path.
  temp.MakeFolder("my tools");
  const std::string record = temp.PathOf("arguments");
  std::string command = PutArgumentRecorder(temp, "my tools/viewer", record);
  for (const std::string& argument : c.arguments) {
    command += '\0';
    command += argument;
  }
  QtProgramStarter starter;
  starter.Start(command, 1);
  ASSERT_TRUE(WaitFor([&] { return FileExists(record); }));
  // Shell syntax arrives as it was written: no shell read the arguments.
  EXPECT_EQ(ReadFile(record), c.recorded);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, QtProgramStarterArgumentsTest,
    ::testing::Values(ArgumentsCase{"None", {}, "0\n"},
                      ArgumentsCase{"Panel", {"info-overview"}, "1\ninfo-overview\n"},
                      ArgumentsCase{"Several", {"a", "two words", ""}, "3\na\ntwo words\n\n"},
                      ArgumentsCase{"ShellSyntax",
                                    {"$(touch ran)", "; touch ran"},
                                    "2\n$(touch ran)\n; touch ran\n"}),
    [](const ::testing::TestParamInfo<ArgumentsCase>& info) {
      return std::string(info.param.name);
    });

// The About box's System Info on Linux, from the registry's answer to the started program: GNOME
// Settings is opened at its About panel.
TEST(QtProgramStarter, StartsGnomeSettingsAtItsAboutPanelFoundOnPath) {
  TempFolder temp;
  temp.MakeFolder("bin");
  const std::string record = temp.PathOf("arguments");
  PutArgumentRecorder(temp, "bin/gnome-control-center", record);
  PosixRegistry registry(PosixRegistry::DefaultPrograms(), temp.PathOf("bin"));
  PosixFileSystem files;
  QtProgramStarter starter;
  RecordingMessageBox messages;
  StartSysInfo({registry, files, starter, messages});
  EXPECT_TRUE(messages.messages().empty());
  ASSERT_TRUE(WaitFor([&] { return FileExists(record); }));
  EXPECT_EQ(ReadFile(record), "1\ninfo-overview\n");
}

TEST(QtProgramStarter, ProgramThatCannotStartThrows) {
  TempFolder temp;
  const std::string notProgram = temp.PutFile("data", "x", 0644);
  QtProgramStarter starter;
  EXPECT_THROW(starter.Start(temp.PathOf("missing"), 1), std::exception);
  EXPECT_THROW(starter.Start(notProgram, 1), std::exception);
  EXPECT_THROW(starter.Start("", 1), std::exception);
}

}  // namespace
}  // namespace tallies
