// The About box and the fault report of tallies.exe, through real window messages.

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "gui_test.h"
#include "wide_text.h"

namespace tallies::gui {
namespace {

constexpr Milliseconds kDialogTimeout{10000};

std::string TitleOf(HWND window) {
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  return Narrow(title);
}

using AboutBox = GuiTest;

TEST_F(AboutBox, OpensOnceAndClosesWithOk) {
  ASSERT_TRUE(app().Click("cmdAbout"));
  HWND about = app().WaitForTopLevel(L"frmAbout", nullptr, kDialogTimeout);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(TitleOf(about), "About Tallies");
  EXPECT_EQ(AppDriver::TextOf(AppDriver::FindIn(about, "lblTitle")), "Tallies");
  EXPECT_EQ(AppDriver::TextOf(AppDriver::FindIn(about, "lblVersion")),
            "Version " TALLIES_EXPECTED_VERSION);
  const std::string description = AppDriver::TextOf(AppDriver::FindIn(about, "lblDescription"));
  EXPECT_EQ(description.rfind("Hydraulic/General Calculations - Written by ", 0), 0u)
      << description;
  EXPECT_NE(description.find(". Note: Tallies Home assumes no responsibility for inaccurate "
                             "information."),
            std::string::npos)
      << description;
  EXPECT_EQ(AppDriver::TextOf(AppDriver::FindIn(about, "cmdOK")), "OK");
  EXPECT_EQ(AppDriver::TextOf(AppDriver::FindIn(about, "cmdSysInfo")), "&System Info...");
  // Modeless: the main window stays usable.
  EXPECT_TRUE(IsWindowEnabled(app().mainWindow()));
  // Not in the task bar, yet a window of its own. Windows gives a taskbar button to a visible
  // top-level window that has no owner or has WS_EX_APPWINDOW; the box has an owner, and that
  // owner is none of the program's visible windows, the main window least of all.
  const HWND owner = GetWindow(about, GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_NE(owner, app().mainWindow());
  EXPECT_FALSE(IsWindowVisible(owner));
  EXPECT_EQ(GetWindowLongPtrW(about, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
  DWORD ownerProcess = 0;
  GetWindowThreadProcessId(owner, &ownerProcess);
  DWORD aboutProcess = 0;
  GetWindowThreadProcessId(about, &aboutProcess);
  EXPECT_EQ(ownerProcess, aboutProcess);

  // A second click brings the same box forward instead of opening another.
  ASSERT_TRUE(app().Click("cmdAbout"));
  const std::vector<HWND> boxes = app().TopLevelWindows(L"frmAbout");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes.front(), about);

  ASSERT_TRUE(AppDriver::ClickWindow(AppDriver::FindIn(about, "cmdOK")));
  EXPECT_TRUE(AppDriver::WaitUntilGone(about, kDialogTimeout));
  EXPECT_TRUE(app().TopLevelWindows(L"frmAbout").empty());
  EXPECT_TRUE(app().IsRunning());

  // After closing, the next click builds it anew.
  ASSERT_TRUE(app().Click("cmdAbout"));
  HWND again = app().WaitForTopLevel(L"frmAbout", nullptr, kDialogTimeout);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(TitleOf(again), "About Tallies");
  // The same hidden owner, kept while the program runs; the box still has no taskbar button.
  EXPECT_EQ(GetWindow(again, GW_OWNER), owner);
  EXPECT_FALSE(IsWindowVisible(owner));
  EXPECT_EQ(GetWindowLongPtrW(again, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
  EXPECT_EQ(AppDriver::TextOf(AppDriver::FindIn(again, "lblVersion")),
            "Version " TALLIES_EXPECTED_VERSION);
  ASSERT_TRUE(AppDriver::ClickWindow(AppDriver::FindIn(again, "cmdOK")));
  EXPECT_TRUE(AppDriver::WaitUntilGone(again, kDialogTimeout));
}

// The box belongs to no other window of the program: closing the main window leaves it open,
// and the program ends when the box closes too.
TEST(AboutBoxOfItsOwn, OutlivesTheMainWindow) {
  std::string error;
  std::unique_ptr<AppDriver> app = AppDriver::Start(error);
  ASSERT_TRUE(app) << error;
  ASSERT_TRUE(app->Click("cmdAbout"));
  HWND about = app->WaitForTopLevel(L"frmAbout", nullptr, kDialogTimeout);
  ASSERT_NE(about, nullptr);

  PostMessageW(app->mainWindow(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(AppDriver::WaitUntilGone(app->mainWindow(), kDialogTimeout));
  EXPECT_TRUE(app->IsRunning());
  EXPECT_TRUE(IsWindowVisible(about));

  ASSERT_TRUE(AppDriver::ClickWindow(AppDriver::FindIn(about, "cmdOK")));
  EXPECT_TRUE(app->WaitForExit(kDialogTimeout));
}

// ---------------------------------------------------------------------------------------------
// A fault is reported in a message box titled "Tallies" with OK only; the result label keeps
// the text it showed before the click, and the window stays open for the next try.

using Texts = std::vector<std::pair<const char*, const char*>>;

struct FaultCase {
  const char* tabSet;
  int tab;
  const char* button;
  const char* result;
  Texts good;  // a sound calculation first, to have a result to keep
  const char* goodShown;
  Texts faulty;        // the inputs then changed
  const char* report;  // the message box's text, word for word as the user reads it
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.button << ": " << c.report; }

class FaultReport : public GuiTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultReport, ShowsTheKindAndKeepsTheResult) {
  const FaultCase& c = GetParam();
  OpenPage(c.tabSet, c.tab);
  for (const auto& [field, text] : c.good) ASSERT_TRUE(app().SetText(field, text));
  ASSERT_TRUE(app().Click(c.button));
  ASSERT_EQ(app().Text(c.result), c.goodShown);

  for (const auto& [field, text] : c.faulty) ASSERT_TRUE(app().SetText(field, text));
  // The handler blocks in the message box: post the click, then find the box.
  ASSERT_TRUE(app().PostClick(c.button));
  HWND box = app().WaitForMessageBox(kDialogTimeout);
  ASSERT_NE(box, nullptr) << "no message box after " << c.button;
  EXPECT_EQ(AppDriver::MessageBoxText(box), c.report);
  EXPECT_EQ(AppDriver::VisibleButtonTexts(box), std::vector<std::string>{"OK"});
  EXPECT_EQ(app().TopLevelWindows(L"#32770").size(), 1u);
  ASSERT_TRUE(AppDriver::CloseMessageBox(box));

  EXPECT_EQ(app().Text(c.result), c.goodShown);
  for (const auto& [field, text] : c.faulty) EXPECT_EQ(app().Text(field), text) << field;
  EXPECT_TRUE(app().IsRunning());
  EXPECT_TRUE(IsWindowVisible(app().mainWindow()));
  // The window still computes.
  for (const auto& [field, text] : c.good) ASSERT_TRUE(app().SetText(field, text));
  ASSERT_TRUE(app().Click(c.button));
  EXPECT_EQ(app().Text(c.result), c.goodShown);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FaultReport,
                         ::testing::Values(
                             // Flow through a diameter read as 0.
                             FaultCase{"SSTabHyd",
                                       3,
                                       "Command1",
                                       "lblVelocity",
                                       {{"txtIDVel", "1"}, {"txtGPMVel", "10"}},
                                       "4.084552",
                                       {{"txtIDVel", ""}, {"txtGPMVel", "10"}},
                                       "The calculation stopped: Division by zero.\n"
                                       "Check the values and click Calc again."},
                             // No area and no flow: 0 / 0.
                             FaultCase{"SSTabHyd",
                                       1,
                                       "cmdSpeed",
                                       "lblCylSpeed",
                                       {{"txtArea2", "3.141593"}, {"txtGPM1", "10"}},
                                       "1.02114",
                                       {{"txtArea2", ""}, {"txtGPM1", ""}},
                                       "The calculation stopped: Invalid operation.\n"
                                       "Check the values and click Calc again."},
                             // An input beyond the largest Single.
                             FaultCase{"SSTabHyd",
                                       0,
                                       "cmdHP",
                                       "lblHP",
                                       {{"txtGPM", "10"}, {"txtPSI", "1500"}},
                                       "8.751458",
                                       {{"txtGPM", "1E39"}, {"txtPSI", "1500"}},
                                       "The calculation stopped: Overflow.\n"
                                       "Check the values and click Calc again."}),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                           return std::string(info.param.button);
                         });

}  // namespace
}  // namespace tallies::gui
