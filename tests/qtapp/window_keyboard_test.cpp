// The window by keyboard: Enter and Space press a focused button once, the
// link label is a stop of the Tab key and opens with Enter or Space, a result
// can be copied with the keyboard, and a text the program writes into a field
// is shown from its first character.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QSignalSpy>

#include "qtapp/link_label.h"
#include "qtapp/tab_row.h"
#include "window/calculator_catalogue.h"
#include "window_fixture.h"

namespace tallies::testing {
namespace {

class WindowKeyboard : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window().setAboutAction([this] { ++m_aboutShown; });
    window().setLinkAction([this] { ++m_linkOpened; });
    show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
  }

  int m_aboutShown = 0;
  int m_linkOpened = 0;
};

TEST_F(WindowKeyboard, EnterAndSpacePressEveryFocusedButtonOnce) {
  int buttons = 0;
  for (QWidget* widget : window().controls()) {
    auto* button = qobject_cast<QPushButton*>(widget);
    if (!button) continue;
    const std::string name = button->objectName().toStdString();
    reveal(name);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
      button->setFocus(Qt::TabFocusReason);
      ASSERT_TRUE(button->hasFocus()) << name;
      QSignalSpy clicks(button, &QPushButton::clicked);
      QTest::keyClick(button, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
      EXPECT_EQ(clicks.count(), 1) << name << " key " << key;
    }
    ++buttons;
  }
  EXPECT_EQ(buttons, 40 + 2);  // the Calc buttons, cmdAbout and cmdHistory
  EXPECT_EQ(m_aboutShown, 3);
}

TEST_F(WindowKeyboard, EnterOnAFocusedCalcButtonCalculates) {
  type("txtGPM", "10");
  type("txtPSI", "1500");
  QWidget* calc = window().control("cmdHP");
  calc->setFocus(Qt::TabFocusReason);
  QTest::keyClick(calc, Qt::Key_Return);
  EXPECT_EQ(text("lblHP"), "8.751458");
  EXPECT_TRUE(messages().messages().empty());
}

// A held Enter repeats its press; the button is pressed once.
TEST_F(WindowKeyboard, AHeldEnterPressesOnce) {
  QWidget* about = window().control("cmdAbout");
  about->setFocus(Qt::TabFocusReason);
  QKeyEvent first(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), false);
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(about, &first);
  QApplication::sendEvent(about, &repeat);
  QApplication::sendEvent(about, &repeat);
  EXPECT_EQ(m_aboutShown, 1);
}

TEST_F(WindowKeyboard, LinkLabelIsTheStopBeforeTheHydraulicTabs) {
  QWidget* link = window().control("Label3");
  TabRow* hydraulic = window().tabSet("SSTabHyd")->activeRow();
  // The window opens with the focus on the hydraulic tab set.
  EXPECT_EQ(QApplication::focusWidget(), hydraulic);
  const auto& order = window().focusOrder();
  auto at = [&](QWidget* w) { return std::find(order.begin(), order.end(), w) - order.begin(); };
  ASSERT_LT(at(link), static_cast<std::ptrdiff_t>(order.size()));
  EXPECT_EQ(at(link), 0);  // number 2, the first of the window
  EXPECT_EQ(at(link) + 1, at(window().tabSet("SSTabHyd")->rows()[0]));
  // Shift+Tab from the tabs reaches the link, Tab goes back to the tabs.
  QTest::keyClick(hydraulic, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), link);
  QTest::keyClick(link, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), hydraulic);
  // After the view options come the units list and the History button, the window's last
  // stop; the keyboard order comes round from it to the link.
  window().control("optGen")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window().control("cboUnits"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window().control("cmdHistory"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), link);
}

TEST_F(WindowKeyboard, EnterOrSpaceOnTheLinkOpensItOnce) {
  auto* link = window().control<LinkLabel>("Label3");
  link->setFocus(Qt::TabFocusReason);
  QTest::keyClick(link, Qt::Key_Return);
  EXPECT_EQ(m_linkOpened, 1);
  QTest::keyClick(link, Qt::Key_Space);
  EXPECT_EQ(m_linkOpened, 2);
  QTest::keyClick(link, Qt::Key_A);
  EXPECT_EQ(m_linkOpened, 2);
  // A click opens it too, without taking the focus from where it is.
  QTest::mouseClick(link, Qt::LeftButton);
  EXPECT_EQ(m_linkOpened, 3);
  window().control("cmdAbout")->setFocus(Qt::TabFocusReason);
  QTest::mouseClick(link, Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), window().control("cmdAbout"));
}

TEST_F(WindowKeyboard, TheLinkShowsItsFocus) {
  auto* link = window().control<LinkLabel>("Label3");
  const QImage unfocused = link->grab().toImage();
  link->setFocus(Qt::TabFocusReason);
  const QImage focused = link->grab().toImage();
  ASSERT_EQ(unfocused.size(), focused.size());
  // The frame changes pixels all round the caption: on its left of the text
  // and below the underline.
  int changed = 0;
  for (int y = 0; y < focused.height(); ++y) {
    for (int x = 0; x < focused.width(); ++x)
      changed += focused.pixel(x, y) != unfocused.pixel(x, y);
  }
  EXPECT_GT(changed, 2 * focused.height() / 2);
}

TEST_F(WindowKeyboard, AResultIsCopiedWithTheKeyboard) {
  type("txtGPM", "10");
  type("txtPSI", "1500");
  click("cmdHP");
  auto* result = window().control<QLabel>("lblHP");
  QGuiApplication::clipboard()->clear();
  QTest::mouseClick(result, Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), result);
  // Nothing selected: Ctrl+C copies the whole result.
  QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("8.751458"));
  // Selected with the keyboard: Ctrl+C copies the selection.
  QTest::keyClick(result, Qt::Key_Home);
  for (int i = 0; i < 3; ++i) QTest::keyClick(result, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(result->selectedText(), QStringLiteral("8.7"));
  QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("8.7"));
  QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(result->selectedText(), QStringLiteral("8.751458"));
  // The Tab key goes on from the result into the keyboard order.
  QTest::keyClick(result, Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), result);
}

// A field the program writes shows the text from its first character, as
// after the user's Home key: the cursor at 0 and nothing scrolled away.
class WrittenFields : public WindowKeyboard {
 protected:
  void expectShowsItsStart(const char* name) {
    auto* field = window().control<QLineEdit>(name);
    ASSERT_FALSE(field->text().isEmpty()) << name;
    EXPECT_EQ(field->cursorPosition(), 0) << name << " " << field->text().toStdString();
    const QImage shown = field->grab().toImage();
    const QRect cursor = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    field->home(false);
    EXPECT_EQ(field->inputMethodQuery(Qt::ImCursorRectangle).toRect(), cursor) << name;
    EXPECT_EQ(field->grab().toImage(), shown) << name << " shows " << field->text().toStdString();
    ++m_checked;
  }
  bool longerThanItsField(const char* name) {
    auto* field = window().control<QLineEdit>(name);
    return field->fontMetrics().horizontalAdvance(field->text()) > field->contentsRect().width();
  }
  int m_checked = 0;
};

TEST_F(WrittenFields, TheLongestResultsShowTheirFirstDigits) {
  reveal("txtin1");
  type("txtmm1", "100");
  click("Command2");
  EXPECT_EQ(text("txtin1"), "3.93700787401575");
  EXPECT_TRUE(longerThanItsField("txtin1"));
  expectShowsItsStart("txtin1");

  reveal("txtcuin");
  type("txtcum1", "1");
  click("Command8");
  EXPECT_EQ(text("txtcuin"), "61012.812690665");
  EXPECT_TRUE(longerThanItsField("txtcuin"));
  expectShowsItsStart("txtcuin");
}

// Every field any calculator writes: both fields of all 25 pairs, the two
// area fields and the torque-horsepower fields.
TEST_F(WrittenFields, EveryWrittenFieldShowsItsStart) {
  int longOnes = 0;
  for (const UnitPairPlace& pair : UnitPairPlaces()) {
    for (bool intoB : {true, false}) {
      const std::string source(intoB ? pair.fieldA : pair.fieldB);
      const std::string target(intoB ? pair.fieldB : pair.fieldA);
      reveal(pair.button);
      type(pair.fieldA, "");
      type(pair.fieldB, "");
      type(source, "7.77");
      click(pair.button);
      expectShowsItsStart(target.c_str());
      longOnes += longerThanItsField(target.c_str());
    }
  }
  reveal("cmdArea");
  type("txtDIA", "3.3");
  click("cmdArea");
  expectShowsItsStart("txtArea1");
  expectShowsItsStart("txtArea2");
  reveal("cmdTR");
  const char* torqueFields[] = {"txtTorque", "txtHP2", "txtRPM"};
  for (const char* empty : torqueFields) {
    for (const char* name : torqueFields) type(name, name == empty ? "" : "1234.567");
    click("cmdTR");
    expectShowsItsStart(empty);
  }
  EXPECT_EQ(m_checked, 50 + 2 + 3);
  // Most conversions give more digits than their field shows at once.
  EXPECT_GT(longOnes, 25);
}

}  // namespace
}  // namespace tallies::testing
