// The main window of tallies.exe seen from outside: start-up, the controls and their kinds,
// the view switch, every tab of the three tab sets and the gauge lists.

#include <windows.h>
// windows.h first: commctrl.h builds on its types.
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "gui_test.h"
#include "layout/control_ids.h"
#include "wide_text.h"
#include "window/window_bindings.h"

namespace tallies::gui {
namespace {

std::vector<const ControlRow*> AllMainWindowRows() {
  std::vector<const ControlRow*> rows;
  for (const ControlRow& row : WindowControls()) rows.push_back(&row);
  for (const PageLayout* page : GuiTest::AllPages()) {
    for (const ControlRow& row : page->controls) rows.push_back(&row);
  }
  return rows;
}

// A program of its own, fresh from its start, for what only holds before anyone touched it.
class FreshProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    m_app = AppDriver::Start(error);
    ASSERT_TRUE(m_app) << error;
  }
  void TearDown() override {
    if (m_app) {
      EXPECT_EQ(m_app->CloseDialogs(), 0);
    }
    m_app.reset();
  }
  AppDriver& app() { return *m_app; }
  std::unique_ptr<AppDriver> m_app;
};

TEST_F(FreshProgram, OpensItsMainWindowWithTheTitle) {
  HWND main = app().mainWindow();
  wchar_t title[256] = {};
  GetWindowTextW(main, title, 256);
  EXPECT_EQ(Narrow(title), "Tallies Home - Hydraulic Calculations");
  EXPECT_EQ(AppDriver::ClassOf(main), "frmMain");
  EXPECT_TRUE(IsWindowVisible(main));
  // A fixed window with a close box only.
  const LONG_PTR style = GetWindowLongPtrW(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
}

TEST_F(FreshProgram, StartsInTheHydraulicViewWithEverythingEmpty) {
  EXPECT_TRUE(app().IsChecked("optHyd"));
  EXPECT_FALSE(app().IsChecked("optGen"));
  EXPECT_TRUE(app().IsVisible("SSTabHyd"));
  EXPECT_FALSE(app().IsVisible("SSTabGen"));
  for (const char* set : {"SSTabHyd", "SSTabGen", "SSTab1"}) {
    EXPECT_EQ(app().CurrentTab(set), 0) << set;
  }
  int fields = 0;
  for (const ControlRow* row : AllMainWindowRows()) {
    // A page built only when first shown holds nothing yet either.
    if (!app().Control(row->name)) continue;
    if (row->kind == ControlKind::kField || row->kind == ControlKind::kResult) {
      EXPECT_EQ(app().Text(row->name), "") << row->name;
      fields += row->kind == ControlKind::kField;
    } else if (row->kind == ControlKind::kList) {
      // A gauge list shows its placeholder with no entry chosen, the units list "US" chosen.
      EXPECT_EQ(app().Text(row->name), TakesTypedText(row->name) ? "Select Gauge" : "US")
          << row->name;
      EXPECT_EQ(app().ListSelection(row->name), TakesTypedText(row->name) ? CB_ERR : 0)
          << row->name;
    }
  }
  EXPECT_GT(fields, 0);
}

// Closing the main window ends the program.
TEST_F(FreshProgram, EndsWhenItsWindowCloses) {
  PostMessageW(app().mainWindow(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(app().WaitForExit(Milliseconds(10000)));
}

// ---------------------------------------------------------------------------------------------

using MainWindow = GuiTest;

// Every control of the design is one child window with its number, of its kind's class, with
// the text the design gives it.
TEST_F(MainWindow, EveryControlHasItsNumberKindAndText) {
  // Pages may be built when first shown: show each once.
  for (const PageLayout* page : AllPages()) ASSERT_TRUE(app().ShowPage(page->tabSet, page->tab));
  const std::multimap<int, HWND> all = AppDriver::WindowsById(app().mainWindow());
  for (const ControlRow* row : AllMainWindowRows()) {
    ASSERT_EQ(all.count(ControlId(row->name)), 1u)
        << row->name << " (ID " << ControlId(row->name) << ")";
    HWND window = all.find(ControlId(row->name))->second;
    const std::string cls = AppDriver::ClassOf(window);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    auto is = [&](const char* expected) { return _stricmp(cls.c_str(), expected) == 0; };
    switch (row->kind) {
      case ControlKind::kField:
        EXPECT_TRUE(is("Edit")) << row->name << " is " << cls;
        EXPECT_FALSE(style & ES_READONLY) << row->name;
        EXPECT_FALSE(style & ES_MULTILINE) << row->name;
        break;
      case ControlKind::kCaption:
      case ControlKind::kPicture:
        EXPECT_TRUE(is("Static")) << row->name << " is " << cls;
        break;
      case ControlKind::kResult:
        // Read-only, yet reached by the keyboard, its text selectable and copyable.
        EXPECT_TRUE(is("Edit")) << row->name << " is " << cls;
        EXPECT_TRUE(style & ES_READONLY) << row->name;
        EXPECT_TRUE(style & WS_TABSTOP) << row->name;
        EXPECT_FALSE(style & ES_MULTILINE) << row->name;
        break;
      case ControlKind::kButton:
        EXPECT_TRUE(is("Button")) << row->name << " is " << cls;
        // No button is the window's default: Enter in a field starts nothing.
        EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON) << row->name;
        break;
      case ControlKind::kOptionButton:
        EXPECT_TRUE(is("Button")) << row->name << " is " << cls;
        EXPECT_EQ(style & BS_TYPEMASK, BS_AUTORADIOBUTTON) << row->name;
        break;
      case ControlKind::kList:
        EXPECT_TRUE(is("ComboBox")) << row->name << " is " << cls;
        EXPECT_EQ(style & 3, TakesTypedText(row->name) ? CBS_DROPDOWN : CBS_DROPDOWNLIST)
            << row->name;
        break;
      case ControlKind::kTabSet:
        EXPECT_TRUE(is("SysTabControl32")) << row->name << " is " << cls;
        EXPECT_TRUE(style & TCS_MULTILINE) << row->name;
        EXPECT_FALSE(style & TCS_BUTTONS) << row->name;
        break;
      case ControlKind::kLinkLabel:
        if (is("Static")) {
          EXPECT_TRUE(style & SS_NOTIFY) << row->name;
        }
        break;
    }
    if (row->kind == ControlKind::kCaption || row->kind == ControlKind::kButton ||
        row->kind == ControlKind::kOptionButton) {
      EXPECT_EQ(AppDriver::TextOf(window), row->text) << row->name;
    }
    // The design holds the link's first words; the site's name follows them.
    if (row->kind == ControlKind::kLinkLabel) {
      EXPECT_EQ(AppDriver::TextOf(window), "Go to Tallies Home") << row->name;
    }
  }
}

TEST_F(MainWindow, TabSetsCarryTheirCaptions) {
  struct Captions {
    const char* tabSet;
    std::vector<const char*> captions;
  };
  const std::array<Captions, 3> sets{{
      {"SSTabHyd",
       {"Pump Horsepower", "Cylinder Area, Force, Speed", "Torque and Horsepower",
        "Oil Velocity in Hose/Pipe", "Torque and Displacement", "Angle/Force Relation",
        "Pump GPM - C.I.R. Disp."}},
      {"SSTabGen",
       {"Length Conversions", "Volume Conversion", "Mass Conversion ", "Area", "Temperature ",
        "Misc Thickness"}},
      {"SSTab1", {"Weight", "Weight Per Length", "Per Volume (Density)"}},
  }};
  ASSERT_TRUE(app().ShowPage("SSTab1", 0));
  for (const Captions& set : sets) {
    ASSERT_EQ(app().TabCount(set.tabSet), static_cast<int>(set.captions.size())) << set.tabSet;
    for (size_t i = 0; i < set.captions.size(); ++i) {
      EXPECT_EQ(app().TabCaption(set.tabSet, static_cast<int>(i)), set.captions[i])
          << set.tabSet << " " << i;
    }
  }
}

// ---------------------------------------------------------------------------------------------
// All 16 tabs: selecting one shows exactly its page (and, for the mass tab, the nested tab
// set's current page); every other page's controls are hidden.

class EveryTab : public GuiTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryTab, ShowsItsPageOnly) {
  const PageLayout& page = *AllPages().at(static_cast<size_t>(GetParam()));
  ASSERT_TRUE(app().ShowPage(page.tabSet, page.tab)) << page.tabSet << " " << page.tab;
  EXPECT_EQ(app().CurrentTab(page.tabSet), page.tab);
  const bool hydraulic = page.tabSet == "SSTabHyd";
  EXPECT_EQ(app().IsVisible("SSTabHyd"), hydraulic);
  EXPECT_EQ(app().IsVisible("SSTabGen"), !hydraulic);
  // Which page of each tab set is on the screen now.
  const int general = app().CurrentTab("SSTabGen");
  auto shown = [&](const PageLayout& other) {
    if (other.tabSet == "SSTabHyd") return hydraulic && other.tab == app().CurrentTab("SSTabHyd");
    if (other.tabSet == "SSTabGen") return !hydraulic && other.tab == general;
    return !hydraulic && general == 2 && other.tab == app().CurrentTab("SSTab1");
  };
  ASSERT_TRUE(shown(page));
  for (const PageLayout* other : AllPages()) {
    const bool expected = shown(*other);
    for (const ControlRow& row : other->controls) {
      // A page never shown may not have been built.
      if (!expected && !app().Control(row.name)) continue;
      EXPECT_EQ(app().IsVisible(row.name), expected)
          << row.name << " on " << other->tabSet << " tab " << other->tab << " with " << page.tabSet
          << " tab " << page.tab << " selected";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(SixteenTabs, EveryTab, ::testing::Range(0, 16),
                         [](const ::testing::TestParamInfo<int>& info) {
                           const PageLayout& page =
                               *GuiTest::AllPages().at(static_cast<size_t>(info.param));
                           return std::string(page.tabSet) + "_" + std::to_string(page.tab);
                         });

TEST_F(MainWindow, ThereAreSixteenTabs) { EXPECT_EQ(AllPages().size(), 16u); }

// ---------------------------------------------------------------------------------------------

TEST_F(MainWindow, ViewSwitchKeepsTabsAndTexts) {
  ASSERT_TRUE(app().ShowPage("SSTabHyd", 2));
  ASSERT_TRUE(app().SetText("txtRPM", "1800"));
  ASSERT_TRUE(app().Click("optGen"));
  EXPECT_TRUE(app().IsChecked("optGen"));
  EXPECT_FALSE(app().IsChecked("optHyd"));
  EXPECT_FALSE(app().IsVisible("SSTabHyd"));
  EXPECT_TRUE(app().IsVisible("SSTabGen"));
  EXPECT_FALSE(app().IsVisible("txtRPM"));
  ASSERT_TRUE(app().SelectTab("SSTabGen", 3));

  ASSERT_TRUE(app().Click("optHyd"));
  EXPECT_TRUE(app().IsChecked("optHyd"));
  EXPECT_FALSE(app().IsChecked("optGen"));
  EXPECT_TRUE(app().IsVisible("SSTabHyd"));
  EXPECT_FALSE(app().IsVisible("SSTabGen"));
  EXPECT_EQ(app().CurrentTab("SSTabHyd"), 2);
  EXPECT_TRUE(app().IsVisible("txtRPM"));
  EXPECT_EQ(app().Text("txtRPM"), "1800");
  EXPECT_FALSE(app().IsVisible("txtsqin"));

  // Choosing the option already chosen changes nothing.
  ASSERT_TRUE(app().Click("optHyd"));
  EXPECT_TRUE(app().IsVisible("SSTabHyd"));
  EXPECT_EQ(app().CurrentTab("SSTabHyd"), 2);

  ASSERT_TRUE(app().Click("optGen"));
  EXPECT_EQ(app().CurrentTab("SSTabGen"), 3);
  EXPECT_TRUE(app().IsVisible("txtsqin"));
}

TEST_F(MainWindow, NestedTabSetKeepsItsTabAndTextAcrossTabs) {
  ASSERT_TRUE(app().ShowPage("SSTab1", 1));
  ASSERT_TRUE(app().SetText("txtklf", "2"));
  ASSERT_TRUE(app().SelectTab("SSTabGen", 4));
  EXPECT_FALSE(app().IsVisible("SSTab1"));
  EXPECT_FALSE(app().IsVisible("txtklf"));
  ASSERT_TRUE(app().SelectTab("SSTabGen", 2));
  EXPECT_TRUE(app().IsVisible("SSTab1"));
  EXPECT_EQ(app().CurrentTab("SSTab1"), 1);
  EXPECT_TRUE(app().IsVisible("txtklf"));
  EXPECT_EQ(app().Text("txtklf"), "2");
}

// ---------------------------------------------------------------------------------------------
// The gauge lists.

TEST_F(MainWindow, GaugeListsHoldTheirEntries) {
  ASSERT_TRUE(app().ShowPage("SSTabGen", 5));
  EXPECT_EQ(app().Text("Label103"), "Sheet Metal Thickness");
  EXPECT_EQ(app().Text("Label107"), "Wire Gauge Thickness");
  ASSERT_EQ(app().ListCount("Combo1"), 36);
  ASSERT_EQ(app().ListCount("Combo2"), 64);
  for (int i = 0; i < 36; ++i) EXPECT_EQ(app().ListEntry("Combo1", i), std::to_string(i + 3));
  const std::array<const char*, 8> aught{"8/0", "7/0", "6/0", "5/0", "4/0", "3/0", "2/0", "1/0"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(app().ListEntry("Combo2", i), aught[i]);
  for (int i = 8; i < 64; ++i) EXPECT_EQ(app().ListEntry("Combo2", i), std::to_string(i - 7));
}

struct GaugeCase {
  const char* list;
  const char* entry;
  const char* label;
  const char* shown;
};

void PrintTo(const GaugeCase& c, std::ostream* os) { *os << c.list << " \"" << c.entry << "\""; }

class GaugeChoice : public GuiTest, public ::testing::WithParamInterface<GaugeCase> {};

TEST_P(GaugeChoice, ShowsTheThicknessInItsOwnLabel) {
  const GaugeCase& c = GetParam();
  ASSERT_TRUE(app().ShowPage("SSTabGen", 5));
  const char* other = std::string(c.label) == "lblSteelGauge" ? "lblWireGauge" : "lblSteelGauge";
  const std::string otherBefore = app().Text(other);
  ASSERT_TRUE(app().ChooseListEntry(c.list, c.entry)) << c.list << " " << c.entry;
  EXPECT_EQ(app().Text(c.label), c.shown);
  EXPECT_EQ(app().Text(c.list), c.entry);
  EXPECT_EQ(app().ListEntry(c.list, app().ListSelection(c.list)), c.entry);
  EXPECT_EQ(app().Text(other), otherBefore);
}

INSTANTIATE_TEST_SUITE_P(Examples, GaugeChoice,
                         ::testing::Values(GaugeCase{"Combo1", "20", "lblSteelGauge", "0.0359"},
                                           GaugeCase{"Combo2", "20", "lblWireGauge", "0.0320"},
                                           GaugeCase{"Combo1", "38", "lblSteelGauge", "0.0060"},
                                           GaugeCase{"Combo1", "3", "lblSteelGauge", "0.2391"},
                                           GaugeCase{"Combo2", "8/0", "lblWireGauge", "0.7314"},
                                           GaugeCase{"Combo2", "4/0", "lblWireGauge", "0.4600"},
                                           GaugeCase{"Combo2", "6/0", "lblWireGauge", "0.5801"},
                                           GaugeCase{"Combo2", "56", "lblWireGauge", "0.00049"},
                                           GaugeCase{"Combo2", "19", "lblWireGauge", "0.0359"}));

// Typing a gauge into the text part of a list is not a choice: no label changes.
TEST_F(MainWindow, TypingIntoAGaugeListChangesNoLabel) {
  ASSERT_TRUE(app().ShowPage("SSTabGen", 5));
  ASSERT_TRUE(app().ChooseListEntry("Combo1", "10"));
  ASSERT_EQ(app().Text("lblSteelGauge"), "0.1345");
  ASSERT_TRUE(app().TypeIntoList("Combo1", "20"));
  EXPECT_EQ(app().Text("Combo1"), "20");
  EXPECT_EQ(app().Text("lblSteelGauge"), "0.1345");
}

}  // namespace
}  // namespace tallies::gui
