// What every front-end takes from the window model besides the page tables: the keyboard order,
// the views, wrapping, pictures, the designed colours and the caption that names each field.

#include "layout/window_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string_view>
#include <vector>

#include "layout/about_layout.h"

namespace tallies {
namespace {

std::vector<std::string_view> Names(const std::vector<const ControlRow*>& rows) {
  std::vector<std::string_view> names;
  for (const ControlRow* row : rows) names.push_back(row->name);
  return names;
}

TEST(FocusOrder, FollowsTheTabOrderNumbers) {
  const auto order = MainWindowFocusOrder();
  for (std::size_t i = 1; i < order.size(); ++i) {
    EXPECT_LE(order[i - 1]->tabOrder, order[i]->tabOrder) << order[i]->name;
  }
  const auto names = Names(order);
  ASSERT_GE(names.size(), 6u);
  // The link label, then the hydraulic tab set, then "Pump Horsepower" right to left, its
  // result last.
  EXPECT_EQ((std::vector<std::string_view>(names.begin(), names.begin() + 7)),
            (std::vector<std::string_view>{"Label3", "SSTabHyd", "cmdHP", "txtPSI", "txtGPM",
                                           "lblHP", "txtDIA"}));
  // The option pair leads on to the general tab set.
  const auto options = std::find(names.begin(), names.end(), "optHyd");
  ASSERT_LE(options + 3, names.end());
  EXPECT_EQ((std::vector<std::string_view>(options, options + 3)),
            (std::vector<std::string_view>{"optHyd", "optGen", "SSTabGen"}));
}

TEST(FocusOrder, TakesFieldsButtonsListsOptionsTabSetsResultsAndTheLinkOnly) {
  // The design's 76 fields, 41 buttons, 2 lists, 2 options, 3 tab sets, 17 results and the link,
  // and the units list and the History button.
  const std::map<ControlKind, int> expected{
      {ControlKind::kField, 76},  {ControlKind::kButton, 42},      {ControlKind::kList, 3},
      {ControlKind::kTabSet, 3},  {ControlKind::kOptionButton, 2}, {ControlKind::kLinkLabel, 1},
      {ControlKind::kResult, 17},
  };
  std::map<ControlKind, int> counted;
  const auto order = MainWindowFocusOrder();
  for (const ControlRow* row : order) ++counted[row->kind];
  EXPECT_EQ(counted, expected);
  const auto names = Names(order);
  EXPECT_EQ(std::set<std::string_view>(names.begin(), names.end()).size(), names.size());
  for (std::string_view absent : {"Label4", "lblHPREQ", "Picture1", "Image1", "Label103"}) {
    EXPECT_EQ(std::count(names.begin(), names.end(), absent), 0) << absent;
  }
}

TEST(FocusOrder, LengthPageReachesTheButtonAfterTheFieldToItsRight) {
  const auto names = Names(MainWindowFocusOrder());
  auto position = [&names](std::string_view name) {
    return std::find(names.begin(), names.end(), name) - names.begin();
  };
  EXPECT_EQ(position("txtmm1"), position("txtin1") + 1);
  EXPECT_EQ(position("Command2"), position("txtmm1") + 1);
}

TEST(FocusOrder, AboutBoxTakesOkThenSystemInfo) {
  EXPECT_EQ(Names(AboutFocusOrder()), (std::vector<std::string_view>{"cmdOK", "cmdSysInfo"}));
  // Every row of the box in its designed order: the picture box and labels keep their places.
  EXPECT_EQ(Names(InTabOrder(AboutControls())),
            (std::vector<std::string_view>{"cmdOK", "picIcon", "cmdSysInfo", "lblDescription",
                                           "lblDisclaimer", "lblTitle", "lblVersion"}));
}

TEST(Views, EachOptionShowsItsTabSetAndTheWindowStartsHydraulic) {
  ASSERT_EQ(Views().size(), 2u);
  EXPECT_EQ(Views()[0].tabSet, "SSTabHyd");
  EXPECT_EQ(InitialFocus(), "SSTabHyd");
  ASSERT_NE(ViewOfOption("optGen"), nullptr);
  EXPECT_EQ(ViewOfOption("optGen")->tabSet, "SSTabGen");
  EXPECT_EQ(ViewOfOption("optHyd")->name, "HydraulicView");
  EXPECT_EQ(ViewOfOption("cmdAbout"), nullptr);
  for (const ControlRow& row : WindowControls()) {
    if (row.kind != ControlKind::kOptionButton) continue;
    EXPECT_EQ(StartsOptionGroup(row), row.name == "optHyd") << row.name;
  }
  for (const ViewLayout& view : Views()) EXPECT_NE(FindTabSet(view.tabSet), nullptr);
}

TEST(WindowModel, LabelsTallerThanOneLineWrap) {
  struct Case {
    int height;
    bool wraps;
  };
  for (const Case c : {Case{225, false}, Case{255, false}, Case{256, true}, Case{615, true}}) {
    ControlRow row{"Label", ControlKind::kCaption, "", 0, 0, 1000, c.height,
                   1,       Background::kDefault};
    EXPECT_EQ(WrapsText(row), c.wraps) << c.height;
  }
}

TEST(WindowModel, OnlyTheBannerIsStretched) {
  std::vector<Picture> used;
  for (const ControlRow& row : WindowControls()) used.push_back(row.picture);
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      for (const ControlRow& row : page.controls) {
        EXPECT_EQ(row.kind == ControlKind::kPicture, row.picture != Picture::kNone) << row.name;
      }
    }
  }
  for (const PictureDesign& design : Pictures()) {
    EXPECT_EQ(design.fit == PictureFit::kStretch, design.picture == Picture::kBanner);
    EXPECT_TRUE(design.file.ends_with(".svg")) << design.file;
    EXPECT_FALSE(design.description.empty()) << design.file;  // a screen reader names it
  }
  EXPECT_TRUE(DesignOf(Picture::kNone).file.empty());
}

TEST(WindowModel, DesignedColoursAreTheGreyAndTheYellowOnly) {
  EXPECT_EQ(DesignedColour(Background::kWindowGrey), (Rgb{224, 224, 224}));
  EXPECT_EQ(DesignedColour(Background::kResult), (Rgb{255, 255, 192}));
  EXPECT_FALSE(DesignedColour(Background::kDefault).has_value());
  EXPECT_FALSE(DesignedColour(Background::kToolTip).has_value());
}

// Every field, list and result is named by a caption of its own page that stands in its column
// right above it, or on its left at the same height; no other control has one.
TEST(WindowModel, EveryFieldIsNamedByACaptionAboveOrBesideIt) {
  int named = 0;
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      for (const ControlRow& row : page.controls) {
        const std::string_view caption = CaptionOf(row.name);
        const bool needs = row.kind == ControlKind::kField || row.kind == ControlKind::kList ||
                           row.kind == ControlKind::kResult;
        EXPECT_EQ(!caption.empty(), needs) << row.name;
        if (caption.empty()) continue;
        const auto label = std::find_if(page.controls.begin(), page.controls.end(),
                                        [&](const ControlRow& c) { return c.name == caption; });
        ASSERT_NE(label, page.controls.end()) << row.name << " named by " << caption;
        EXPECT_EQ(label->kind, ControlKind::kCaption) << caption;
        const bool above = std::abs(label->left - row.left) <= 120 && label->top < row.top;
        const bool beside =
            std::abs(label->top - row.top) <= 60 && label->left + label->width <= row.left;
        EXPECT_TRUE(above || beside) << row.name << " named by " << caption;
        ++named;
      }
    }
  }
  EXPECT_EQ(named, 76 + 2 + 17);  // fields, lists, results
  EXPECT_EQ(CaptionOf("txtGPM"), "Label4");
  EXPECT_EQ(CaptionOf("txtRPMpump"), "Label37");
}

// The units choice is a list of the window's own, named by a caption beside it with an access key,
// in free room: inside the window, clear of every other control of the window (the tab sets and
// so every page included), and after every designed control in the keyboard order.
// The controls added to the designed window, the units choice and the History button, stand in
// free room and come last in the keyboard order, so no designed control moves or is renumbered.
TEST(WindowModel, TheAddedControlsStandInFreeRoomAndAreReachedLast) {
  const ControlRow* units = FindControl("cboUnits");
  const ControlRow* history = FindControl("cmdHistory");
  ASSERT_NE(units, nullptr);
  ASSERT_NE(history, nullptr);
  const ControlRow* caption = FindControl(CaptionOf(units->name));
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->kind, ControlKind::kCaption);
  EXPECT_EQ(ShownCaption(caption->text), "Units");
  EXPECT_EQ(
      std::abs(caption->top - units->top) <= 60 && caption->left + caption->width <= units->left,
      true);
  for (const ControlRow* placed : {units, caption, history}) {
    EXPECT_GE(placed->left, 0);
    EXPECT_GE(placed->top, 0);
    EXPECT_LE(placed->left + placed->width, kMainWindowWidth);
    EXPECT_LE(placed->top + placed->height, kMainWindowHeight);
    for (const ControlRow& other : WindowControls()) {
      if (&other == placed) continue;
      const bool apart =
          placed->left + placed->width <= other.left || other.left + other.width <= placed->left ||
          placed->top + placed->height <= other.top || other.top + other.height <= placed->top;
      EXPECT_TRUE(apart) << placed->name << " overlaps " << other.name;
    }
  }
  const auto order = MainWindowFocusOrder();
  ASSERT_GE(order.size(), 2u);
  EXPECT_EQ(order[order.size() - 2], units);
  EXPECT_EQ(order.back(), history);
}

// A recalled entry shows its calculator's page: the view and the tabs down to it.
TEST(WindowModel, PlaceOfAControlIsItsViewAndTabsOutermostFirst) {
  const ControlPlace pump = PlaceOf("cmdHP");
  ASSERT_NE(pump.view, nullptr);
  EXPECT_EQ(pump.view->option, "optHyd");
  ASSERT_EQ(pump.tabs.size(), 1u);
  EXPECT_EQ(pump.tabs[0].tabSet, "SSTabHyd");
  EXPECT_EQ(pump.tabs[0].tab, 0);
  const ControlPlace nested = PlaceOf("Command17");  // kilograms and pounds, in "Mass Conversion "
  ASSERT_NE(nested.view, nullptr);
  EXPECT_EQ(nested.view->option, "optGen");
  ASSERT_EQ(nested.tabs.size(), 2u);
  EXPECT_EQ(nested.tabs[0].tabSet, "SSTabGen");
  EXPECT_EQ(nested.tabs[0].tab, 2);
  EXPECT_EQ(nested.tabs[1].tabSet, "SSTab1");
  EXPECT_EQ(PlaceOf("cmdAbout").view, nullptr);
}

TEST(ShownCaption, DropsTheAccessKeyMark) {
  struct Case {
    std::string_view caption, shown;
  };
  for (const Case& c :
       {Case{"&Units", "Units"}, Case{"Oil && Water", "Oil & Water"}, Case{"PSI", "PSI"},
        Case{"&System Info...", "System Info..."}, Case{"end &", "end &"}}) {
    EXPECT_EQ(ShownCaption(c.caption), c.shown) << c.caption;
  }
}

// A result too wide for its label loses fraction digits from its end, never its sign, its whole
// digits or its exponent.
TEST(ShortenedForms, DropFractionDigitsOnlyAndMarkTheGap) {
  struct Case {
    std::string_view text;
    std::string_view separator;
    std::vector<std::string> forms;
  };
  const Case cases[] = {
      {"-17.2222", ".", {"-17.222…", "-17.22…", "-17.2…", "-17…"}},
      {"2.22222E+20", ".", {"2.2222…E+20", "2.222…E+20", "2.22…E+20", "2.2…E+20", "2…E+20"}},
      {"1,25E-07", ",", {"1,2…E-07", "1…E-07"}},
      {"3.5", ",", {}},  // a point is no separator where the comma is
      {"8751458", ".", {}},
      {"", ".", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ShortenedForms(c.text, c.separator), c.forms) << c.text;
}

}  // namespace
}  // namespace tallies
