// The About box and the fault report stay readable on a light, a dark and a
// clashing desktop palette, and the About box's buttons answer Enter and
// Space once each.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include "qtapp/frm_about.h"
#include "qtapp/readability.h"
#include "fake_file_system.h"
#include "fake_program_starter.h"
#include "fake_registry.h"
#include "platform/qt/qt_modal_message_box.h"
#include "qtapp/readable_palette.h"
#include "support/recording_message_box.h"

namespace tallies {
namespace {

using testing::kReadable;
using testing::NamedPalette;
using testing::ShownBackground;
using testing::Wcag;

// Checks every label and button of a window, as the palette gives them and as drawn.
int ExpectTextsReadable(QWidget* window, const char* palette) {
  int checked = 0;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    const QColor text = label->palette().color(label->foregroundRole());
    const QColor background = ShownBackground(label);
    EXPECT_GE(Wcag(text, background), kReadable)
        << palette << " " << label->objectName().toStdString() << " " << text.name().toStdString()
        << " on " << background.name().toStdString();
    const QImage drawn = label->grab().toImage();
    const QColor fill = testing::MostFrequentColour(drawn, label->contentsRect());
    EXPECT_GE(Wcag(testing::StrongestColour(drawn, label->contentsRect(), fill), fill), kReadable)
        << palette << " drawn " << label->objectName().toStdString();
    ++checked;
  }
  for (QPushButton* button : window->findChildren<QPushButton*>()) {
    const QPalette& p = button->palette();
    EXPECT_GE(Wcag(p.color(QPalette::ButtonText), p.color(QPalette::Button)), kReadable)
        << palette << " " << button->text().toStdString();
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect area =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QImage drawn = button->grab().toImage();
    const QColor fill = testing::MostFrequentColour(drawn, area);
    EXPECT_GE(Wcag(testing::StrongestColour(drawn, area, fill), fill), kReadable)
        << palette << " drawn " << button->text().toStdString();
    ++checked;
  }
  return checked;
}

class Readable : public ::testing::TestWithParam<NamedPalette> {
 protected:
  void SetUp() override {
    m_saved = QApplication::palette();
    QApplication::setPalette(GetParam().palette());
  }
  void TearDown() override { QApplication::setPalette(m_saved); }

 private:
  QPalette m_saved;
};

TEST_P(Readable, AboutBox) {
  frmAbout box;
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  // Title, version, description, notice; OK and System Info.
  EXPECT_EQ(ExpectTextsReadable(&box, GetParam().name), 4 + 2);
}

TEST_P(Readable, FaultReport) {
  QtModalMessageBox messages(nullptr, &ReadablePalette);
  int checked = 0;
  QTimer::singleShot(0, qApp, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    checked = ExpectTextsReadable(box, GetParam().name);
    box->button(QMessageBox::Ok)->click();
  });
  messages.Show("Overflow");
  EXPECT_GE(checked, 2);  // the text and OK
}

INSTANTIATE_TEST_SUITE_P(Desktops, Readable, ::testing::ValuesIn(testing::kDesktopPalettes),
                         [](const auto& info) { return std::string(info.param.name); });

class AboutKeys : public ::testing::TestWithParam<Qt::Key> {
 protected:
  void press(QPushButton* button) {
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus());
    QTest::keyClick(button, GetParam(),
                    GetParam() == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
  }
};

TEST_P(AboutKeys, PressTheFocusedSystemInfoButtonOnce) {
  testing::FakeRegistry registry;
  registry.PutString("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "C:\\info.exe");
  testing::FakeFileSystem files;
  testing::FakeProgramStarter starter;
  starter.AddProgram("C:\\info.exe");
  testing::RecordingMessageBox messages;
  frmAbout box({registry, files, starter, messages});
  box.show();
  box.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
  auto* sysInfo = box.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
  press(sysInfo);
  EXPECT_EQ(starter.attempts().size(), 1u);
  EXPECT_TRUE(box.isVisible());
  EXPECT_TRUE(messages.messages().empty());
}

TEST_P(AboutKeys, PressTheFocusedOkButtonOnce) {
  auto* box = new frmAbout;  // deletes itself when closed
  QPointer<frmAbout> alive = box;
  box->show();
  box->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(box));
  auto* ok = box->findChild<QPushButton*>(QStringLiteral("cmdOK"));
  QSignalSpy clicks(ok, &QPushButton::clicked);
  press(ok);
  EXPECT_EQ(clicks.count(), 1);
  ASSERT_FALSE(alive.isNull());
  EXPECT_FALSE(box->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull());
}

INSTANTIATE_TEST_SUITE_P(EnterAndSpace, AboutKeys,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space));

}  // namespace
}  // namespace tallies
