// What the window model binds each control to: its action, a list's entries and the texts the
// windows start and load with.

#include "window/window_bindings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "layout/about_layout.h"
#include "support/fake_controls.h"

namespace tallies {
namespace {

TEST(ActionOf, EachControlStartsWhatItsDesignSays) {
  struct Case {
    std::string_view control;
    Action action;
  };
  const Case cases[] = {
      {"cmdAbout", Action::kShowAbout},  {"Label3", Action::kOpenSite},
      {"optHyd", Action::kShowView},     {"optGen", Action::kShowView},
      {"cmdOK", Action::kCloseBox},      {"cmdSysInfo", Action::kStartSysInfo},
      {"cmdHP", Action::kCalculate},     {"Command2", Action::kCalculate},
      {"Command28", Action::kCalculate}, {"Combo2", Action::kCalculate},
      {"lblHP", Action::kNone},          {"txtGPM", Action::kNone},
      {"SSTabHyd", Action::kNone},       {"", Action::kNone},
  };
  for (const Case& c : cases) EXPECT_EQ(ActionOf(c.control).action, c.action) << c.control;
  EXPECT_EQ(ActionOf("optGen").view->tabSet, "SSTabGen");
}

// Every button and list of the main window does something; a calculator's button runs its own
// calculator, which writes the result its page shows.
TEST(ActionOf, EveryButtonAndListOfTheMainWindowIsWired) {
  int wired = 0;
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      for (const ControlRow& row : page.controls) {
        if (row.kind != ControlKind::kButton && row.kind != ControlKind::kList) continue;
        const ControlAction action = ActionOf(row.name);
        EXPECT_EQ(action.action, Action::kCalculate) << row.name;
        EXPECT_NE(action.calculator, nullptr) << row.name;
        ++wired;
      }
    }
  }
  EXPECT_EQ(wired, 40 + 2);  // every Calc and convert button but About, and the two lists
  testing::FakeControls form;
  form.Put("txtGPM", "10");
  form.Put("txtPSI", "1500");
  Calculate(*ActionOf("cmdHP").calculator, form);
  EXPECT_EQ(form.Get("lblHP"), "8.751458");
}

TEST(ListEntries, EachListOffersItsOwnGauges) {
  const auto sheet = ListEntries("Combo1");
  ASSERT_FALSE(sheet.empty());
  EXPECT_EQ(sheet.front(), "3");
  EXPECT_EQ(sheet.back(), "38");
  const auto wire = ListEntries("Combo2");
  ASSERT_FALSE(wire.empty());
  EXPECT_EQ(wire.front(), "8/0");
  EXPECT_EQ(wire.back(), "56");
  EXPECT_TRUE(ListEntries("txtGPM").empty());
}

TEST(InitialText, CompletesTheLinkAndFillsTheAboutBox) {
  const ControlRow& link = WindowControls()[1];
  ASSERT_EQ(link.name, "Label3");
  EXPECT_EQ(InitialText(link), "Go to Tallies Home");
  for (const ControlRow& row : AboutControls()) {
    const std::string text = InitialText(row);
    if (row.name == "lblDescription") {
      EXPECT_TRUE(text.starts_with("Hydraulic/General Calculations - Written by ")) << text;
    } else if (row.name == "lblDisclaimer") {
      EXPECT_TRUE(text.starts_with("Warning: ")) << text;
    } else {
      EXPECT_EQ(text, row.text) << row.name;
    }
  }
  EXPECT_EQ(MainWindowTitle(), "Tallies Home - Hydraulic Calculations");
}

TEST(AboutLoaded, ReplacesTheTitleAndVersionOfTheDesign) {
  EXPECT_EQ(AboutLoadedCaption(), "About Tallies");
  const auto loaded = AboutLoadedTexts();
  ASSERT_EQ(loaded.size(), 2u);
  for (const ControlText& text : loaded) {
    const auto row = std::find_if(AboutControls().begin(), AboutControls().end(),
                                  [&](const ControlRow& r) { return r.name == text.control; });
    ASSERT_NE(row, AboutControls().end()) << text.control;
    EXPECT_NE(text.text, row->text) << text.control;
  }
  EXPECT_EQ(loaded[1].text, "Tallies");
  EXPECT_TRUE(loaded[0].text.starts_with("Version ")) << loaded[0].text;
}

TEST(SampleProblem, WorksOnTheFieldsOfItsOwnView) {
  for (const ViewLayout& view : Views()) {
    const SampleProblem sample = SampleProblemOf(view);
    EXPECT_EQ(ActionOf(sample.button).action, Action::kCalculate) << sample.button;
    ASSERT_FALSE(sample.inputs.empty());
    for (const ControlText& input : sample.inputs) {
      bool onView = false;
      for (auto pages : {HydraulicPages(), GeneralPages()}) {
        for (const PageLayout& page : pages) {
          for (const ControlRow& row : page.controls) {
            if (row.name == input.control) {
              EXPECT_EQ(row.kind, ControlKind::kField) << input.control;
              onView = page.tabSet == view.tabSet;
            }
          }
        }
      }
      EXPECT_TRUE(onView) << input.control << " on " << view.name;
    }
  }
}

}  // namespace
}  // namespace tallies
