// The guards of tallies.exe where Windows calls into it: a window Windows refuses ends the
// program with a report and a failure's exit code; an exception in a handler is reported and the
// window goes on working. The program's test hooks (environment variables) cause both.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "app_driver.h"
#include "program_hook.h"
#include "layout/control_layout.h"
#include "layout/window_model.h"
#include "wide_text.h"
#include "controls/fault_texts.h"

namespace tallies::gui {
namespace {

// A cold Wine start may take long before the first window shows.
constexpr Milliseconds kStartTimeout{60000};
constexpr Milliseconds kDialogTimeout{10000};
constexpr DWORD kFailureExitCode = 1;

bool StartsWith(const std::string& text, const std::string& start) {
  return text.rfind(start, 0) == 0;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The buttons (push and option buttons are both of the "Button" class) the main window makes.
int MainWindowButtons() {
  int count = 0;
  auto countIn = [&count](std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) {
      count += row.kind == ControlKind::kButton || row.kind == ControlKind::kOptionButton;
    }
  };
  countIn(WindowControls());
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) countIn(page.controls);
  }
  return count;
}

std::unique_ptr<AppDriver> StartWith(const wchar_t* variable, const wchar_t* value,
                                     bool waitForMainWindow, std::string& error) {
  AppDriver::StartOptions options;
  options.environment.emplace_back(variable, value);
  options.waitForMainWindow = waitForMainWindow;
  return AppDriver::Start(error, options);
}

// The report of a refused window: a message box that names the window's class, closed by the
// test, then the program's end with a failure's exit code and the same report on standard error.
// `mainWindowUp`: whether the main window was made and shown before the refusal.
void ExpectCreationReportAndEnd(AppDriver& app, const std::string& windowClass, bool mainWindowUp,
                                Milliseconds timeout) {
  HWND box = app.WaitForMessageBox(timeout);
  ASSERT_NE(box, nullptr) << "no report of the refused " << windowClass;
  const std::string text = AppDriver::MessageBoxText(box);
  EXPECT_TRUE(StartsWith(text, "Tallies cannot open its window: Windows did not create a \"" +
                                   windowClass + "\" window ("))
      << text;
  EXPECT_TRUE(EndsWith(text, ").\nTallies will close.")) << text;
  EXPECT_EQ(AppDriver::VisibleButtonTexts(box), std::vector<std::string>{"OK"});
  // Nothing half-built stays behind the report.
  EXPECT_EQ(app.TopLevelWindows(L"frmMain").size(), mainWindowUp ? 1u : 0u);
  EXPECT_TRUE(app.TopLevelWindows(L"frmAbout").empty());
  ASSERT_TRUE(AppDriver::CloseMessageBox(box));

  ASSERT_TRUE(app.WaitForExit(kDialogTimeout)) << "the program did not end after the report";
  EXPECT_EQ(app.ExitCode(), kFailureExitCode);
  EXPECT_NE(app.StandardError().find(AsLogLine(text)), std::string::npos) << app.StandardError();
}

struct RefusedCase {
  std::wstring setting;  // TALLIES_TEST_FAIL_CREATION
  std::string windowClass;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.windowClass; }

class RefusedAtStart : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedAtStart, EndsWithAReportAndAFailureExitCode) {
  const RefusedCase& c = GetParam();
  std::string error;
  std::unique_ptr<AppDriver> app =
      StartWith(L"TALLIES_TEST_FAIL_CREATION", c.setting.c_str(), false, error);
  ASSERT_TRUE(app) << error;
  ExpectCreationReportAndEnd(*app, c.windowClass, false, kStartTimeout);
}

// The main window, and a control of each kind at the start, the middle and the end of the
// window's making.
INSTANTIATE_TEST_SUITE_P(
    Windows, RefusedAtStart,
    ::testing::Values(RefusedCase{L"frmMain", "frmMain"},
                      RefusedCase{L"tooltips_class32", "tooltips_class32"},
                      RefusedCase{L"Static:1", "Static"}, RefusedCase{L"Button:4", "Button"},
                      RefusedCase{L"SysTabControl32:3", "SysTabControl32"},
                      RefusedCase{L"TalliesPage:9", "TalliesPage"}, RefusedCase{L"Edit:40", "Edit"},
                      RefusedCase{L"ComboBox:2", "ComboBox"}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return info.param.windowClass; });

class RefusedAbout : public ::testing::TestWithParam<RefusedCase> {};

// The About box is made at the click: the main window is up, and the program still ends.
TEST_P(RefusedAbout, EndsWithAReportAndAFailureExitCode) {
  const RefusedCase& c = GetParam();
  std::string error;
  std::unique_ptr<AppDriver> app =
      StartWith(L"TALLIES_TEST_FAIL_CREATION", c.setting.c_str(), true, error);
  ASSERT_TRUE(app) << error;
  // The handler blocks in the report: post the click.
  ASSERT_TRUE(app->PostClick("cmdAbout"));
  ExpectCreationReportAndEnd(*app, c.windowClass, true, kDialogTimeout);
}

std::vector<RefusedCase> AboutCases() {
  return {
      {L"frmAbout", "frmAbout"},
      {L"TalliesHiddenOwner", "TalliesHiddenOwner"},
      // The About box's second button, "&System Info...", after OK and every button of the main
      // window: the box is half made when it is refused.
      {L"Button:" + std::to_wstring(MainWindowButtons() + 2), "Button"},
  };
}

INSTANTIATE_TEST_SUITE_P(Windows, RefusedAbout, ::testing::ValuesIn(AboutCases()),
                         [](const ::testing::TestParamInfo<RefusedCase>& info) {
                           return info.param.windowClass;
                         });

// A report of an exception in a handler: the box, OK only, and the same line on standard error.
void ExpectFaultReport(AppDriver& app, const std::string& control) {
  HWND box = app.WaitForMessageBox(kDialogTimeout);
  ASSERT_NE(box, nullptr) << "no report of the fault in " << control;
  const std::string text = AppDriver::MessageBoxText(box);
  EXPECT_EQ(text, UnexpectedFaultText("A test fault in the handler of " + control));
  EXPECT_EQ(AppDriver::VisibleButtonTexts(box), std::vector<std::string>{"OK"});
  ASSERT_TRUE(AppDriver::CloseMessageBox(box));
  EXPECT_NE(app.StandardError().find(AsLogLine(text)), std::string::npos) << app.StandardError();
}

TEST(HandlerFault, IsReportedAndTheWindowStillCalculates) {
  std::string error;
  std::unique_ptr<AppDriver> app = StartWith(L"TALLIES_TEST_THROW_ON", L"cmdHP", true, error);
  ASSERT_TRUE(app) << error;
  ASSERT_TRUE(app->ShowPage("SSTabHyd", 0));
  ASSERT_TRUE(app->SetText("txtGPM", "10"));
  ASSERT_TRUE(app->SetText("txtPSI", "1500"));
  const std::string before = app->Text("lblHP");

  ASSERT_TRUE(app->PostClick("cmdHP"));
  ExpectFaultReport(*app, "cmdHP");
  EXPECT_TRUE(app->IsRunning());
  EXPECT_TRUE(IsWindowVisible(app->mainWindow()));
  EXPECT_EQ(app->Text("lblHP"), before);
  EXPECT_EQ(app->Text("txtGPM"), "10");
  EXPECT_EQ(app->Text("txtPSI"), "1500");

  // The same button, clicked again, works out its result.
  ASSERT_TRUE(app->Click("cmdHP"));
  EXPECT_EQ(app->Text("lblHP"), "8.751458");
  EXPECT_TRUE(app->TopLevelWindows(L"#32770").empty());
}

TEST(HandlerFault, InTheAboutBoxLeavesItOpenAndWorking) {
  std::string error;
  std::unique_ptr<AppDriver> app = StartWith(L"TALLIES_TEST_THROW_ON", L"cmdOK", true, error);
  ASSERT_TRUE(app) << error;
  ASSERT_TRUE(app->Click("cmdAbout"));
  HWND about = app->WaitForTopLevel(L"frmAbout", nullptr, kDialogTimeout);
  ASSERT_NE(about, nullptr);

  ASSERT_TRUE(PostMessageW(AppDriver::FindIn(about, "cmdOK"), BM_CLICK, 0, 0));
  ExpectFaultReport(*app, "cmdOK");
  EXPECT_TRUE(IsWindow(about));
  EXPECT_TRUE(IsWindowVisible(about));

  // OK closes the box now, and the program goes on with its main window.
  ASSERT_TRUE(AppDriver::ClickWindow(AppDriver::FindIn(about, "cmdOK")));
  EXPECT_TRUE(AppDriver::WaitUntilGone(about, kDialogTimeout));
  EXPECT_TRUE(app->IsRunning());
}

// ---------------------------------------------------------------------------------------------
// A change of the desktop's colours repaints the window with brushes of the new colours. The
// button-face colour (the captions' background, where the design leaves it to the system) is
// changed from inside the program by a message hook (colour_hook.cpp), as a theme change would
// change it, and read back from the screen.

constexpr Milliseconds kRepaintTimeout{10000};

// The hook, set on the program's window thread for as long as the test runs. The colour it
// sets is the desktop's (Wine keeps it until its server stops): the original is put back at the
// end.
class ButtonFaceSetter {
 public:
  explicit ButtonFaceSetter(HWND window) : m_window(window), m_hook(window, "SetButtonFaceHook") {}
  ~ButtonFaceSetter() {
    if (m_hook.Ready()) {
      Set(m_original);
      // The message is handled before the hook goes: a sent message comes after posted ones.
      DWORD_PTR ignored = 0;
      SendMessageTimeoutW(m_window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    }
  }
  ButtonFaceSetter(const ButtonFaceSetter&) = delete;
  ButtonFaceSetter& operator=(const ButtonFaceSetter&) = delete;

  bool Ready() const { return m_hook.Ready(); }
  COLORREF Original() const { return m_original; }
  bool Set(COLORREF colour) const {
    static const UINT kSetButtonFace = RegisterWindowMessageW(L"TalliesTestSetButtonFace");
    return PostMessageW(m_window, kSetButtonFace, colour, 0);
  }

 private:
  HWND m_window;
  COLORREF m_original = GetSysColor(COLOR_BTNFACE);
  ProgramHook m_hook;
};

// A pixel of the caption's own background: its bottom-right corner, beyond its short text.
COLORREF CaptionBackground(HWND caption) {
  RECT place{};
  GetWindowRect(caption, &place);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, place.right - 2, place.bottom - 2);
  ReleaseDC(nullptr, screen);
  return colour;
}

bool WaitForColour(HWND caption, COLORREF colour, Milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (CaptionBackground(caption) != colour) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    Sleep(20);
  }
  return true;
}

std::string Hex(COLORREF colour) {
  char text[16];
  std::snprintf(text, sizeof text, "#%06lX", static_cast<unsigned long>(colour));
  return text;
}

TEST(ColourChange, RepaintsWithTheNewColours) {
  std::string error;
  std::unique_ptr<AppDriver> app = AppDriver::Start(error);
  ASSERT_TRUE(app) << error;
  // "inch (in)" on the first page of the general view: a caption on the system's button face.
  ASSERT_TRUE(app->ShowPage("SSTabGen", 0));
  HWND caption = app->Control("Label40");
  ASSERT_NE(caption, nullptr);
  ButtonFaceSetter colours(app->mainWindow());
  ASSERT_TRUE(colours.Ready()) << "no hook from " << TALLIES_COLOUR_HOOK_PATH;
  ASSERT_TRUE(WaitForColour(caption, colours.Original(), kRepaintTimeout))
      << "before: " << Hex(CaptionBackground(caption));

  // Two colours in turn, each unlike the one before: a brush kept from the first would show.
  for (const COLORREF colour : {RGB(200, 120, 40), RGB(40, 120, 200)}) {
    ASSERT_TRUE(colours.Set(colour));
    EXPECT_TRUE(WaitForColour(caption, colour, kRepaintTimeout))
        << "wanted " << Hex(colour) << ", shows " << Hex(CaptionBackground(caption));
  }
  EXPECT_TRUE(app->IsRunning());
}

}  // namespace
}  // namespace tallies::gui
