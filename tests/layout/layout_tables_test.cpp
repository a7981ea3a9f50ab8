// The window designs as both front-ends read them: the twips rule, and what must hold of the
// tables whatever their content (every page belongs to a tab set that has that tab, names are
// unique, the About box's focus order).

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "layout/about_layout.h"
#include "layout/control_ids.h"
#include "layout/control_layout.h"
#include "layout/history_layout.h"
#include "layout/twips.h"

namespace tallies {
namespace {

TEST(TwipsToPixels, DropsTheRemainderTowardsMinusInfinity) {
  struct Case {
    int twips;
    int pixels;
  };
  const Case cases[] = {
      {0, 0},   {14, 0},   {15, 1},   {29, 1},     {30, 2},     {5654, 376}, {6885, 459},
      {-1, -1}, {-15, -1}, {-16, -2}, {-240, -16}, {2490, 166}, {1935, 129},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TwipsToPixels(c.twips), c.pixels) << c.twips;
  }
  const PixelRect rect = TwipsToPixels(4245, 2625, 1260, 345);
  EXPECT_EQ(rect.left, 283);
  EXPECT_EQ(rect.top, 175);
  EXPECT_EQ(rect.width, 84);
  EXPECT_EQ(rect.height, 23);
}

TEST(LayoutTables, EveryPageBelongsToATabItsTabSetHas) {
  std::set<std::pair<std::string, int>> seen;
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      const auto set = std::find_if(TabSets().begin(), TabSets().end(),
                                    [&](const TabSetLayout& s) { return s.name == page.tabSet; });
      ASSERT_NE(set, TabSets().end()) << page.tabSet;
      EXPECT_GE(page.tab, 0);
      EXPECT_LT(page.tab, static_cast<int>(set->captions.size())) << page.tabSet;
      EXPECT_TRUE(seen.emplace(std::string(page.tabSet), page.tab).second)
          << page.tabSet << " tab " << page.tab << " has two pages";
    }
  }
  // Sixteen tabs in all, each with its page.
  EXPECT_EQ(seen.size(), 16u);
}

TEST(LayoutTables, NamesAndTabNumbersAreUniqueInTheMainWindow) {
  std::set<std::string_view> names;
  std::set<int> tabOrders;
  auto add = [&](const ControlRow& row) {
    EXPECT_TRUE(names.insert(row.name).second) << row.name;
    if (row.tabOrder != 0) {
      EXPECT_TRUE(tabOrders.insert(row.tabOrder).second) << row.name;
    }
  };
  for (const ControlRow& row : WindowControls()) add(row);
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      for (const ControlRow& row : page.controls) add(row);
    }
  }
}

TEST(LayoutTables, ControlsStayInsideTheirTabSet) {
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      const ControlRow* place = nullptr;
      for (const ControlRow& row : WindowControls()) {
        if (row.name == page.tabSet) place = &row;
      }
      for (auto inner : {HydraulicPages(), GeneralPages()}) {
        for (const PageLayout& other : inner) {
          for (const ControlRow& row : other.controls) {
            if (row.name == page.tabSet) place = &row;
          }
        }
      }
      ASSERT_NE(place, nullptr) << page.tabSet;
      for (const ControlRow& row : page.controls) {
        EXPECT_GE(row.left, 0) << row.name;
        EXPECT_GE(row.top, 0) << row.name;
        EXPECT_LE(row.left + row.width, place->width) << row.name;
        EXPECT_LE(row.top + row.height, place->height) << row.name;
      }
    }
  }
}

TEST(AboutLayout, ButtonsComeFirstInTheKeyboardOrderAndEverythingFitsTheBox) {
  std::vector<std::pair<int, std::string_view>> buttons;
  for (const ControlRow& row : AboutControls()) {
    EXPECT_LE(row.left + row.width, kAboutClientWidth) << row.name;
    EXPECT_LE(row.top + row.height, kAboutClientHeight) << row.name;
    if (row.kind == ControlKind::kButton) buttons.emplace_back(row.tabOrder, row.name);
  }
  std::sort(buttons.begin(), buttons.end());
  ASSERT_EQ(buttons.size(), 2u);
  EXPECT_EQ(buttons[0].second, "cmdOK");
  EXPECT_EQ(buttons[1].second, "cmdSysInfo");
  for (const AboutLine& line : AboutLines()) {
    EXPECT_LT(line.x1, line.x2) << line.name;
    EXPECT_LE(line.x2, kAboutClientWidth) << line.name;
  }
}

TEST(ControlIds, EveryControlHasItsOwnNumberThatLeadsBackToIt) {
  std::set<int> ids;
  auto check = [&](std::string_view name, int first) {
    const int id = ControlId(name);
    EXPECT_GE(id, first) << name;
    EXPECT_TRUE(ids.insert(id).second) << name;
    EXPECT_EQ(ControlName(id), name);
  };
  for (const ControlRow& row : WindowControls()) check(row.name, kFirstMainWindowId);
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      for (const ControlRow& row : page.controls) check(row.name, kFirstMainWindowId);
    }
  }
  for (const ControlRow& row : AboutControls()) check(row.name, kFirstAboutBoxId);
  for (const ControlRow& row : HistoryControls()) check(row.name, kFirstHistoryId);
  // Numbers stay below the About box's range and the first ones are the window's own.
  EXPECT_LT(*ids.begin(), kFirstAboutBoxId);
  EXPECT_EQ(ControlId("Image1"), kFirstMainWindowId);
  EXPECT_EQ(ControlId("cmdOK"), kFirstAboutBoxId + 5);
  EXPECT_EQ(ControlId("lstEntries"), kFirstHistoryId + 1);
  EXPECT_EQ(ControlId("txtGPM") > ControlId("SSTabGen"), true);
  EXPECT_EQ(ControlId("noSuchControl"), 0);
  EXPECT_TRUE(ControlName(0).empty());
  EXPECT_TRUE(ControlName(999999).empty());
}

}  // namespace
}  // namespace tallies
