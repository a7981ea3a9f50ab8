#include "qtapp/frm_about.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <string>
#include <vector>

#include "config/app_config.h"
#include "fake_file_system.h"
#include "fake_program_starter.h"
#include "fake_registry.h"
#include "qtapp/about_actions.h"
#include "support/modal_watchdog.h"
#include "support/recording_message_box.h"
#include "support/temp_folder.h"

namespace tallies {
namespace {

using testing::FakeFileSystem;
using testing::FakeProgramStarter;
using testing::FakeRegistry;
using testing::RecordingMessageBox;

// The About boxes on screen.
std::vector<QWidget*> ShownAboutBoxes() {
  std::vector<QWidget*> boxes;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QStringLiteral("frmAbout") && widget->isVisible()) {
      boxes.push_back(widget);
    }
  }
  return boxes;
}

frmAbout* TheAboutBox() {
  const std::vector<QWidget*> boxes = ShownAboutBoxes();
  EXPECT_EQ(boxes.size(), 1u);
  return boxes.empty() ? nullptr : qobject_cast<frmAbout*>(boxes.front());
}

// Runs the deletions that closing a window leaves for the event loop.
void RunDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QString LabelText(QWidget* box, const char* name) {
  auto* label = box->findChild<QLabel*>(QString::fromLatin1(name));
  EXPECT_NE(label, nullptr) << name;
  return label ? label->text() : QString();
}

QPushButton* Button(QWidget* box, const char* name) {
  auto* button = box->findChild<QPushButton*>(QString::fromLatin1(name));
  EXPECT_NE(button, nullptr) << name;
  return button;
}

class AboutBoxTest : public ::testing::Test {
 protected:
  ~AboutBoxTest() override {
    for (QWidget* box : ShownAboutBoxes()) {
      box->close();
    }
    RunDeferredDeletes();
  }
};

TEST_F(AboutBoxTest, ShowsTheLoadedTexts) {
  ShowAboutBox();
  frmAbout* box = TheAboutBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("About Tallies"));
  EXPECT_EQ(LabelText(box, "lblTitle"), QStringLiteral("Tallies"));
  EXPECT_EQ(LabelText(box, "lblVersion"), QStringLiteral("Version " TALLIES_EXPECTED_VERSION));
  EXPECT_EQ(LabelText(box, "lblDescription"),
            QStringLiteral("Hydraulic/General Calculations - Written by the Tallies developers. "
                           "Note: ") +
                QString::fromUtf8(kVendorSiteName.data(), kVendorSiteName.size()) +
                QStringLiteral(" assumes no responsibility for inaccurate information."));
  EXPECT_TRUE(LabelText(box, "lblDisclaimer")
                  .contains(QString::fromUtf8(kVendorSiteName.data(), kVendorSiteName.size())));
  EXPECT_EQ(Button(box, "cmdOK")->text(), QStringLiteral("OK"));
  EXPECT_EQ(Button(box, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
  EXPECT_NE(box->findChild<QLabel*>(QStringLiteral("picIcon")), nullptr);
}

TEST_F(AboutBoxTest, IsAFixedDialogWithoutMinimiseOrMaximiseBox) {
  ShowAboutBox();
  frmAbout* box = TheAboutBox();
  ASSERT_NE(box, nullptr);
  // 5730 x 3555 twips at 15 twips a pixel.
  EXPECT_EQ(box->size(), QSize(382, 237));
  EXPECT_EQ(box->minimumSize(), box->maximumSize());
  const Qt::WindowFlags flags = box->windowFlags();
  EXPECT_EQ(box->windowType(), Qt::Dialog);
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_EQ(box->font().family(), QStringLiteral("Liberation Sans Narrow"));
  EXPECT_EQ(box->font().pointSize(), 8);
}

TEST_F(AboutBoxTest, IsModelessAndHasNoOwner) {
  ShowAboutBox();
  frmAbout* box = TheAboutBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->parentWidget(), nullptr);
  EXPECT_FALSE(box->isModal());
  EXPECT_EQ(box->windowModality(), Qt::NonModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(AboutBoxTest, ControlsStandWhereTheLayoutPutsThem) {
  frmAbout box;
  struct Place {
    const char* name;
    QRect rect;
  };
  // Twips divided by 15, the remainder dropped as in the main window: the lines end at
  // 5654 twips, pixel 376.
  const Place places[] = {
      {"picIcon", {16, 16, 32, 32}},         {"lblTitle", {72, 16, 259, 32}},
      {"lblVersion", {70, 52, 259, 15}},     {"lblDescription", {72, 72, 259, 78}},
      {"lblDisclaimer", {16, 175, 258, 55}}, {"cmdOK", {283, 175, 84, 23}},
      {"cmdSysInfo", {284, 205, 83, 23}},    {"Line1(1)", {6, 163, 370, 1}},
      {"Line1(0)", {7, 164, 369, 2}},
  };
  for (const Place& place : places) {
    auto* control = box.findChild<QWidget*>(QString::fromLatin1(place.name));
    ASSERT_NE(control, nullptr) << place.name;
    EXPECT_EQ(control->geometry(), place.rect) << place.name;
  }
}

TEST_F(AboutBoxTest, SeparatorIsAGreyAndAWhiteLine) {
  frmAbout box;
  auto* shadow = box.findChild<QWidget*>(QStringLiteral("Line1(1)"));
  auto* light = box.findChild<QWidget*>(QStringLiteral("Line1(0)"));
  ASSERT_NE(shadow, nullptr);
  ASSERT_NE(light, nullptr);
  EXPECT_EQ(shadow->palette().color(QPalette::Window), QColor(128, 128, 128));
  EXPECT_EQ(light->palette().color(QPalette::Window), QColor(255, 255, 255));
  EXPECT_TRUE(shadow->autoFillBackground());
  EXPECT_TRUE(light->autoFillBackground());
  // The white line lies one pixel below the grey one.
  EXPECT_EQ(light->y(), shadow->y() + 1);
}

TEST_F(AboutBoxTest, OkIsTheDefaultButtonAndComesFirst) {
  frmAbout box;
  QPushButton* ok = Button(&box, "cmdOK");
  QPushButton* sysInfo = Button(&box, "cmdSysInfo");
  EXPECT_TRUE(ok->isDefault());
  EXPECT_FALSE(sysInfo->isDefault());
  QWidget* next = ok->nextInFocusChain();
  while (next != nullptr && next != ok && next->focusPolicy() == Qt::NoFocus) {
    next = next->nextInFocusChain();
  }
  EXPECT_EQ(next, sysInfo);
}

TEST_F(AboutBoxTest, ShowingTwiceGivesOneBoxBroughtToTheFront) {
  ShowAboutBox();
  frmAbout* first = TheAboutBox();
  ShowAboutBox();
  EXPECT_EQ(ShownAboutBoxes().size(), 1u);
  EXPECT_EQ(TheAboutBox(), first);
}

TEST_F(AboutBoxTest, OkClosesAndDiscardsTheBoxAndTheNextShowBuildsItAnew) {
  ShowAboutBox();
  QPointer<frmAbout> first = TheAboutBox();
  ASSERT_NE(first, nullptr);
  // Spoil the loaded texts: only a fresh load can bring them back.
  first->setWindowTitle(QStringLiteral("About MyApp"));
  first->findChild<QLabel*>(QStringLiteral("lblTitle"))->setText(QStringLiteral("Application"));
  Button(first, "cmdOK")->click();
  EXPECT_TRUE(ShownAboutBoxes().empty());
  RunDeferredDeletes();
  EXPECT_TRUE(first.isNull());

  ShowAboutBox();
  frmAbout* second = TheAboutBox();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->windowTitle(), QStringLiteral("About Tallies"));
  EXPECT_EQ(LabelText(second, "lblTitle"), QStringLiteral("Tallies"));
}

TEST_F(AboutBoxTest, ShowingRightAfterClosingBuildsANewBox) {
  ShowAboutBox();
  QPointer<frmAbout> first = TheAboutBox();
  first->close();
  // The closed box still waits for its deletion.
  ShowAboutBox();
  frmAbout* second = TheAboutBox();
  EXPECT_NE(second, first.data());
  RunDeferredDeletes();
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(TheAboutBox(), second);
}

TEST_F(AboutBoxTest, EscapeClosesTheBox) {
  ShowAboutBox();
  QPointer<frmAbout> box = TheAboutBox();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(box, &escape);
  EXPECT_TRUE(ShownAboutBoxes().empty());
  RunDeferredDeletes();
  EXPECT_TRUE(box.isNull());
}

TEST_F(AboutBoxTest, StaysOpenWhenTheMainWindowClosesAndTheProgramEndsWithIt) {
  auto* mainWindow = new QWidget;
  mainWindow->setAttribute(Qt::WA_DeleteOnClose);
  mainWindow->show();
  ShowAboutBox();
  bool openAfterMainClosed = false;
  QTimer::singleShot(0, mainWindow, [mainWindow] { mainWindow->close(); });
  QTimer::singleShot(100, qApp, [&] {
    openAfterMainClosed = ShownAboutBoxes().size() == 1;
    if (frmAbout* box = TheAboutBox()) {
      Button(box, "cmdOK")->click();
    }
  });
  // Should the program not end when the last window closes, give up after a while.
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
  watchdog.start(5000);
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_TRUE(openAfterMainClosed);
}

TEST_F(AboutBoxTest, SystemInfoButtonStartsTheRegisteredTool) {
  FakeRegistry registry;
  registry.PutString("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "C:\\info.exe");
  FakeFileSystem files;
  FakeProgramStarter starter;
  starter.AddProgram("C:\\info.exe");
  RecordingMessageBox messages;
  frmAbout box({registry, files, starter, messages});
  Button(&box, "cmdSysInfo")->click();
  ASSERT_EQ(starter.attempts().size(), 1u);
  EXPECT_EQ(starter.attempts().front().path, "C:\\info.exe");
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(AboutBoxTest, SystemInfoButtonWithoutAToolShowsTheMessageAndTheBoxStays) {
  FakeRegistry registry;
  FakeFileSystem files;
  FakeProgramStarter starter;
  RecordingMessageBox messages;
  frmAbout box({registry, files, starter, messages});
  box.show();
  Button(&box, "cmdSysInfo")->click();
  EXPECT_EQ(messages.messages(),
            std::vector<std::string>{"System Information Is Unavailable At This Time"});
  EXPECT_TRUE(box.isVisible());
}

// The button with the running platform: the registry stand-in finds a system-information
// program on PATH, and the button starts it.
TEST_F(AboutBoxTest, SystemInfoButtonStartsAProgramFoundOnPath) {
  testing::TempFolder temp;
  temp.MakeFolder("bin");
  const std::string marker = temp.PathOf("started");
  temp.PutScript("bin/hardinfo", "echo started > '" + marker + "'");
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QByteArray::fromStdString(temp.PathOf("bin")));
  ShowAboutBox();
  frmAbout* box = TheAboutBox();
  ASSERT_NE(box, nullptr);
  testing::ModalWatchdog watchdog;
  Button(box, "cmdSysInfo")->click();
  qputenv("PATH", path);
  EXPECT_TRUE(watchdog.messages().empty()) << watchdog.messages().front();
  for (int i = 0; i < 250 && !testing::FileExists(marker); ++i) {
    QThread::msleep(20);
  }
  EXPECT_TRUE(testing::FileExists(marker));
}

}  // namespace
}  // namespace tallies
