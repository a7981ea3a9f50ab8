// Every tab of the three tab sets opens from every other tab of its set: with
// the mouse, with the keyboard (Ctrl+Tab and Ctrl+Shift+Tab across the rows,
// the arrow keys within a row) and through its accessible "press" action, and
// assistive technology hears exactly one selected tab per set.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>

#include "qtapp/tab_row.h"
#include "qtapp/tab_set.h"
#include "window_fixture.h"

namespace tallies::testing {
namespace {

struct TabSetCase {
  const char* name;
  int tabs;
};

const TabSetCase kTabSets[] = {{"SSTabHyd", 7}, {"SSTabGen", 6}, {"SSTab1", 3}};

enum class Path { kMouse, kAccessibleAction, kCtrlTab, kCtrlShiftTab, kArrowKeys };

struct PathCase {
  const char* name;
  Path path;
};

class WindowTabs : public WindowTest, public ::testing::WithParamInterface<PathCase> {
 protected:
  // Shows the tab set on the screen, in the active window.
  TabSet* open(const TabSetCase& c) {
    show();
    window().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
    if (std::string_view(c.name) != "SSTabHyd") window().showView(*ViewOfOption("optGen"));
    if (std::string_view(c.name) == "SSTab1") window().tabSet("SSTabGen")->setCurrentIndex(2);
    TabSet* set = window().tabSet(c.name);
    EXPECT_TRUE(set->isVisible());
    EXPECT_EQ(set->count(), c.tabs);
    return set;
  }

  static int perRow(TabSet* set) { return set->rows().front()->count(); }

  static QAccessibleInterface* accessibleTab(TabSet* set, int index) {
    QAccessibleInterface* row =
        QAccessible::queryAccessibleInterface(set->rows()[set->rowOf(index)]);
    return row ? row->child(index % perRow(set)) : nullptr;
  }

  // Goes from the set's current tab to `to` along one path.
  void go(TabSet* set, int to, Path path) {
    const int from = set->currentIndex();
    const int n = set->count();
    switch (path) {
      case Path::kMouse: {
        TabRow* row = set->rows()[set->rowOf(to)];
        QTest::mouseClick(row, Qt::LeftButton, {}, row->tabRect(to % perRow(set)).center());
        break;
      }
      case Path::kAccessibleAction: {
        QAccessibleInterface* tab = accessibleTab(set, to);
        ASSERT_NE(tab, nullptr);
        QAccessibleActionInterface* actions = tab->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        break;
      }
      case Path::kCtrlTab:
      case Path::kCtrlShiftTab: {
        const bool forward = path == Path::kCtrlTab;
        set->activeRow()->setFocus(Qt::TabFocusReason);
        const int presses = forward ? (to - from + n) % n : (from - to + n) % n;
        for (int i = 0; i < presses; ++i) {
          QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                          forward ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
          // Each press moves one tab on, round from the last to the first.
          ASSERT_EQ(set->currentIndex(), (from + (forward ? i + 1 : n - i - 1)) % n);
          ASSERT_EQ(QApplication::focusWidget(), set->activeRow());
        }
        break;
      }
      case Path::kArrowKeys: {
        set->activeRow()->setFocus(Qt::TabFocusReason);
        const int steps = to % perRow(set) - from % perRow(set);
        for (int i = 0; i < std::abs(steps); ++i) {
          QTest::keyClick(QApplication::focusWidget(), steps > 0 ? Qt::Key_Right : Qt::Key_Left);
        }
        break;
      }
    }
  }

  // The set shows exactly `index`: its page alone, one selected tab.
  void expectShowing(TabSet* set, int index, const std::string& how) {
    EXPECT_EQ(set->currentIndex(), index) << how;
    int selected = 0;
    for (int i = 0; i < set->count(); ++i) {
      EXPECT_EQ(set->page(i)->isVisible(), i == index) << how << " page " << i;
      QAccessibleInterface* tab = accessibleTab(set, i);
      ASSERT_NE(tab, nullptr);
      EXPECT_EQ(tab->role(), QAccessible::PageTab);
      EXPECT_EQ(tab->text(QAccessible::Name), set->tabCaption(i));
      if (tab->state().selected) {
        ++selected;
        EXPECT_EQ(i, index) << how << ": tab " << i << " reported selected";
      }
    }
    EXPECT_EQ(selected, 1) << how;
    // Only the row of the current tab is a stop of the keyboard order.
    for (TabRow* row : set->rows()) {
      EXPECT_EQ(row->focusPolicy() != Qt::NoFocus, row == set->activeRow()) << how;
    }
  }
};

TEST_P(WindowTabs, EveryTabOpensFromEveryOtherTab) {
  const Path path = GetParam().path;
  int journeys = 0;
  for (const TabSetCase& c : kTabSets) {
    TabSet* set = open(c);
    for (int from = 0; from < c.tabs; ++from) {
      for (int to = 0; to < c.tabs; ++to) {
        if (from == to) continue;
        if (path == Path::kArrowKeys && set->rowOf(from) != set->rowOf(to)) continue;
        set->setCurrentIndex(from);
        ASSERT_EQ(set->currentIndex(), from);
        const std::string how = std::string(c.name) + " " + std::to_string(from) + " to " +
                                std::to_string(to) + " by " + GetParam().name;
        go(set, to, path);
        expectShowing(set, to, how);
        ++journeys;
      }
    }
  }
  // 7 x 6 + 6 x 5 + 3 x 2 journeys; by the arrow keys only those within a
  // row (rows of 5 and 2, 5 and 1, and 3 tabs).
  EXPECT_EQ(journeys, path == Path::kArrowKeys ? 20 + 2 + 20 + 0 + 6 : 42 + 30 + 6);
}

INSTANTIATE_TEST_SUITE_P(Paths, WindowTabs,
                         ::testing::Values(PathCase{"mouse", Path::kMouse},
                                           PathCase{"accessible_press", Path::kAccessibleAction},
                                           PathCase{"ctrl_tab", Path::kCtrlTab},
                                           PathCase{"ctrl_shift_tab", Path::kCtrlShiftTab},
                                           PathCase{"arrow_keys", Path::kArrowKeys}),
                         [](const auto& info) { return std::string(info.param.name); });

using WindowTabKeys = WindowTest;

// Ctrl+Tab works from a control on the page too, and the innermost tab set
// answers: in a field of the nested set, it steps through the nested set.
TEST_F(WindowTabKeys, CtrlTabFromAFieldStepsItsOwnTabSet) {
  show();
  window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
  window().control("txtGPM")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(window().tabSet("SSTabHyd")->currentIndex(), 1);
  EXPECT_EQ(QApplication::focusWidget(), window().tabSet("SSTabHyd")->activeRow());

  window().showView(*ViewOfOption("optGen"));
  window().tabSet("SSTabGen")->setCurrentIndex(2);
  window().control("txtlbwm")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                  Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(window().tabSet("SSTab1")->currentIndex(), 2);
  EXPECT_EQ(window().tabSet("SSTabGen")->currentIndex(), 2);
}

// At start each set reports its first tab, and only it, as selected; a row
// reports a focused tab only while it holds the focus.
TEST_F(WindowTabKeys, EachSetStartsWithOneSelectedTab) {
  show();
  window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
  for (const TabSetCase& c : kTabSets) {
    TabSet* set = window().tabSet(c.name);
    int selected = 0;
    for (TabRow* row : set->rows()) {
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(row);
      ASSERT_NE(accessible, nullptr);
      EXPECT_EQ(accessible->role(), QAccessible::PageTabList);
      ASSERT_EQ(accessible->childCount(), row->count());
      for (int i = 0; i < row->count(); ++i) {
        QAccessibleInterface* tab = accessible->child(i);
        EXPECT_EQ(accessible->indexOfChild(tab), i);
        EXPECT_EQ(tab->parent(), accessible);
        selected += tab->state().selected;
      }
    }
    EXPECT_EQ(selected, 1) << c.name;
  }
  // The window opens with the focus on the hydraulic set's first tab.
  QAccessibleInterface* first =
      QAccessible::queryAccessibleInterface(window().tabSet("SSTabHyd")->rows()[0]);
  ASSERT_NE(first->focusChild(), nullptr);
  EXPECT_EQ(first->focusChild(), first->child(0));
  EXPECT_TRUE(first->child(0)->state().focused);
  EXPECT_EQ(
      QAccessible::queryAccessibleInterface(window().tabSet("SSTabHyd")->rows()[1])->focusChild(),
      nullptr);
}

}  // namespace
}  // namespace tallies::testing
