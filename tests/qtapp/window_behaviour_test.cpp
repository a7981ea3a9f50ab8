// Start-up, the view switch, tabs and the keyboard order of the main window.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <stdexcept>

#include "layout/control_layout.h"
#include "qtapp/gauge_list.h"
#include "qtapp/tab_row.h"
#include "qtapp/tab_set.h"
#include "window_fixture.h"

namespace tallies::testing {
namespace {

using WindowBehaviour = WindowTest;

TEST_F(WindowBehaviour, StartsInTheHydraulicViewWithEverythingEmpty) {
  show();
  EXPECT_TRUE(window().control<QRadioButton>("optHyd")->isChecked());
  EXPECT_FALSE(window().control<QRadioButton>("optGen")->isChecked());
  EXPECT_TRUE(window().tabSet("SSTabHyd")->isVisible());
  EXPECT_FALSE(window().tabSet("SSTabGen")->isVisible());
  for (const char* set : {"SSTabHyd", "SSTabGen", "SSTab1"}) {
    EXPECT_EQ(window().tabSet(set)->currentIndex(), 0) << set;
  }
  int fields = 0;
  for (QWidget* widget : window().controls()) {
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
      EXPECT_TRUE(field->text().isEmpty()) << widget->objectName().toStdString();
      EXPECT_FALSE(field->isReadOnly());
      ++fields;
    } else if (auto* list = qobject_cast<QComboBox*>(widget); list && list->isEditable()) {
      EXPECT_EQ(list->currentText(), QStringLiteral("Select Gauge"));
      EXPECT_EQ(list->currentIndex(), -1);
    } else if (list) {
      EXPECT_EQ(list->currentText(), QStringLiteral("US"));  // the units list
    } else if (auto* label = qobject_cast<QLabel*>(widget);
               label && label->palette().color(label->backgroundRole()) == QColor(255, 255, 192)) {
      EXPECT_TRUE(label->text().isEmpty()) << widget->objectName().toStdString();
    }
  }
  EXPECT_EQ(fields, 20 + 50 + 6);  // hydraulic, unit pair and temperature fields
  // The focus starts on the hydraulic tab set.
  EXPECT_EQ(QApplication::focusWidget(), window().tabSet("SSTabHyd")->activeRow());
}

// Pages are built when first needed; a page built while its view is on the
// screen shows all its controls at once.
TEST_F(WindowBehaviour, PagesBuiltLaterAreShownWhole) {
  show();
  window().showView(*ViewOfOption("optGen"));
  for (const char* name : {"txtin1", "Command2", "Label40", "Command7"}) {
    ASSERT_NE(window().control(name), nullptr) << name;
    EXPECT_TRUE(window().control(name)->isVisible()) << name;
  }
  window().tabSet("SSTabGen")->setCurrentIndex(2);
  for (const char* name : {"SSTab1", "txtlbwm", "Command17", "Label75"}) {
    EXPECT_TRUE(window().control(name)->isVisible()) << name;
  }
  EXPECT_FALSE(window().control("txtklf")->isVisible());  // on the nested set's second tab
  window().tabSet("SSTab1")->setCurrentIndex(1);
  EXPECT_TRUE(window().control("txtklf")->isVisible());
  // The keyboard order takes the new controls in their places.
  const auto& order = window().focusOrder();
  auto at = [&](const char* name) {
    return std::find(order.begin(), order.end(), window().control(name)) - order.begin();
  };
  EXPECT_LT(at("txtlbwm"), at("txtkgwm"));
  EXPECT_LT(at("txtkgwm"), at("Command17"));
  EXPECT_LT(at("Command17"), at("txtklf"));
}

TEST_F(WindowBehaviour, ListsHoldTheirGauges) {
  auto* sheet = window().control<QComboBox>("Combo1");
  auto* wire = window().control<QComboBox>("Combo2");
  ASSERT_EQ(sheet->count(), 36);
  ASSERT_EQ(wire->count(), 64);
  EXPECT_EQ(sheet->itemText(0), "3");
  EXPECT_EQ(sheet->itemText(35), "38");
  EXPECT_EQ(wire->itemText(0), "8/0");
  EXPECT_EQ(wire->itemText(7), "1/0");
  EXPECT_EQ(wire->itemText(8), "1");
  EXPECT_EQ(wire->itemText(63), "56");
}

TEST_F(WindowBehaviour, ViewSwitchKeepsTabsAndTexts) {
  show();
  TabSet* hydraulic = window().tabSet("SSTabHyd");
  hydraulic->setCurrentIndex(2);
  type("txtRPM", "1800");
  window().SetCaption("lblHP", "8.751458");
  QTest::mouseClick(window().control("optGen"), Qt::LeftButton);
  EXPECT_TRUE(window().control<QRadioButton>("optGen")->isChecked());
  EXPECT_FALSE(window().control<QRadioButton>("optHyd")->isChecked());
  EXPECT_FALSE(hydraulic->isVisible());
  EXPECT_TRUE(window().tabSet("SSTabGen")->isVisible());
  EXPECT_EQ(window().tabSet("SSTabGen")->currentIndex(), 0);

  QTest::mouseClick(window().control("optHyd"), Qt::LeftButton);
  EXPECT_TRUE(hydraulic->isVisible());
  EXPECT_FALSE(window().tabSet("SSTabGen")->isVisible());
  EXPECT_EQ(hydraulic->currentIndex(), 2);
  EXPECT_EQ(text("txtRPM"), "1800");
  EXPECT_EQ(text("lblHP"), "8.751458");

  // Choosing the option that is already selected changes nothing.
  window().showView(*ViewOfOption("optHyd"));
  EXPECT_TRUE(hydraulic->isVisible());
  EXPECT_EQ(hydraulic->currentIndex(), 2);
}

TEST_F(WindowBehaviour, NestedTabSetKeepsItsTextAcrossTabs) {
  show();
  window().showView(*ViewOfOption("optGen"));
  TabSet* general = window().tabSet("SSTabGen");
  TabSet* mass = window().tabSet("SSTab1");
  EXPECT_FALSE(mass->isVisible());
  general->setCurrentIndex(2);
  EXPECT_TRUE(mass->isVisible());
  EXPECT_EQ(mass->currentIndex(), 0);
  mass->setCurrentIndex(1);
  type("txtklf", "2");
  general->setCurrentIndex(4);
  EXPECT_FALSE(mass->isVisible());
  general->setCurrentIndex(2);
  EXPECT_EQ(mass->currentIndex(), 1);
  EXPECT_EQ(text("txtklf"), "2");
}

TEST_F(WindowBehaviour, ClickingATabShowsItsPage) {
  show();
  TabSet* hydraulic = window().tabSet("SSTabHyd");
  TabRow* second = hydraulic->rows()[1];
  // "Pump GPM - C.I.R. Disp." is the second tab of the second row.
  QTest::mouseClick(second, Qt::LeftButton, {}, second->tabRect(1).center());
  EXPECT_EQ(hydraulic->currentIndex(), 6);
  EXPECT_TRUE(window().control("txtW")->isVisible());
  EXPECT_FALSE(window().control("txtGPM")->isVisible());
  EXPECT_TRUE(second->isActive());
  EXPECT_FALSE(hydraulic->rows()[0]->isActive());
  // The row of the current tab stands next to the page.
  EXPECT_GT(second->y(), hydraulic->rows()[0]->y());
  TabRow* first = hydraulic->rows()[0];
  QTest::mouseClick(first, Qt::LeftButton, {}, first->tabRect(0).center());
  EXPECT_EQ(hydraulic->currentIndex(), 0);
  EXPECT_TRUE(window().control("txtGPM")->isVisible());
}

// The keyboard order over the whole window follows the tab-order numbers.
TEST_F(WindowBehaviour, FocusOrderFollowsTheNumbers) {
  std::map<QWidget*, int> numberOf;
  auto collect = [&](std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) numberOf[window().control(row.name)] = row.tabOrder;
  };
  collect(WindowControls());
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) collect(page.controls);
  }
  int previous = 0;
  for (QWidget* widget : window().focusOrder()) {
    QWidget* owner = widget;
    while (owner && !numberOf.count(owner)) owner = owner->parentWidget();
    ASSERT_NE(owner, nullptr);
    EXPECT_GE(numberOf[owner], previous) << owner->objectName().toStdString();
    previous = numberOf[owner];
  }
  // Only the 76 fields, 41 buttons, 2 lists, 2 options, the link, the 17
  // results and the 5 rows of tabs take their places in the order, and the
  // units list and the History button; other labels and pictures do not.
  EXPECT_EQ(window().focusOrder().size(), 76u + 41u + 2u + 2u + 1u + 17u + 5u + 1u + 1u);
}

TEST_F(WindowBehaviour, TabKeyRunsRightToLeftOnThePumpPage) {
  show();
  window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
  window().control("cmdHP")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window().control("txtPSI"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window().control("txtGPM"));
}

TEST_F(WindowBehaviour, TabKeySkipsTheButtonBetweenTwoFields) {
  show();
  window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
  window().showView(*ViewOfOption("optGen"));
  window().control("txtin1")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window().control("txtmm1"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window().control("Command2"));
}

TEST_F(WindowBehaviour, EnterInAFieldStartsNothing) {
  show();
  type("txtGPM", "10");
  type("txtPSI", "1500");
  QTest::keyClick(window().control("txtPSI"), Qt::Key_Return);
  EXPECT_EQ(text("lblHP"), "");
  for (QWidget* widget : window().controls()) {
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      EXPECT_FALSE(button->isDefault() || button->autoDefault())
          << widget->objectName().toStdString();
    }
  }
}

// An exception that escapes a handler is reported in the program's message box and goes no
// further than the slot: the window stays open and the next Calc works.
TEST_F(WindowBehaviour, AnExceptionInAHandlerIsReportedAndTheWindowGoesOn) {
  show();
  window().setAboutAction([] { throw std::runtime_error("the About box could not be made"); });
  click("cmdAbout");
  ASSERT_EQ(messages().messages().size(), 1u);
  EXPECT_NE(messages().messages()[0].find("the About box could not be made"), std::string::npos);
  EXPECT_TRUE(window().isVisible());
  messages().clear();
  type("txtGPM", "10");
  type("txtPSI", "1500");
  click("cmdHP");
  EXPECT_EQ(text("lblHP"), "8.751458");
  EXPECT_TRUE(messages().messages().empty());
}

}  // namespace
}  // namespace tallies::testing
