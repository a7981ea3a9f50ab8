// Results everyone can read, hear and check, seen from another process as a user and a screen
// reader meet them: the Tab key reaches every result at its place in the keyboard order; a long
// result keeps its sign, whole digits and exponent in what it shows, while its tooltip and its
// copy are whole; a Calc that ran to its end announces itself once on its own control, a fault
// not at all; every Calc button and gauge list shows its formula.

#include <windows.h>
// windows.h first: oleacc.h builds on its types; initguid.h makes oleacc.h define the
// annotation service's identifiers here.
// clang-format off
#include <initguid.h>
#include <oleacc.h>
// clang-format on

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "gui_test.h"
#include "layout/control_ids.h"
#include "layout/window_model.h"
#include "wide_text.h"
#include "window/formulas.h"
#include "window/window_bindings.h"

namespace tallies::gui {
namespace {

constexpr Milliseconds kKeyTimeout{5000};
constexpr Milliseconds kCalcTimeout{10000};
// How long events may still arrive after the one a Calc sends.
constexpr Milliseconds kLateEvents{750};

// Where the focus is, for a failure message.
std::string Describe(HWND window) {
  if (!window) return "nowhere";
  const std::string_view name = ControlName(GetDlgCtrlID(window));
  return std::string(name.empty() ? "an unnamed window" : name) + " (" +
         AppDriver::ClassOf(window) + ")";
}

// The UTF-16 length of a text: what the edit's character positions count.
int Units(std::string_view text) { return static_cast<int>(Widen(text).size()); }

// Every main-window control that runs a calculator: the Calc buttons and the gauge lists.
std::vector<const ControlRow*> Calculators() {
  std::vector<const ControlRow*> found;
  for (const ControlRow* row : MainWindowFocusOrder()) {
    if (ActionOf(row->name).action == Action::kCalculate) found.push_back(row);
  }
  return found;
}

// ---------------------------------------------------------------------------------------------
// (a) Each result takes the focus from the control just before it in the keyboard order.

struct Step {
  const ControlRow* before;
  const ControlRow* result;
};

void PrintTo(const Step& step, std::ostream* os) {
  *os << step.before->name << " -> " << step.result->name;
}

// The control just before another in the keyboard order, or none for the first.
const ControlRow* ControlBefore(std::string_view name) {
  const std::vector<const ControlRow*> order = MainWindowFocusOrder();
  for (std::size_t i = 1; i < order.size(); ++i) {
    if (order[i]->name == name) return order[i - 1];
  }
  return nullptr;
}

std::vector<Step> ResultSteps() {
  const std::vector<const ControlRow*> order = MainWindowFocusOrder();
  std::vector<Step> steps;
  for (std::size_t i = 1; i < order.size(); ++i) {
    if (order[i]->kind == ControlKind::kResult) steps.push_back({order[i - 1], order[i]});
  }
  return steps;
}

class TabKey : public GuiTest, public ::testing::WithParamInterface<Step> {};

TEST_P(TabKey, ReachesTheResultAtItsPlace) {
  const Step& step = GetParam();
  const PageLayout* page = PageOf(step.result->name);
  ASSERT_NE(page, nullptr) << step.result->name;
  ASSERT_TRUE(app().ShowPage(page->tabSet, page->tab));
  ASSERT_TRUE(app().IsVisible(step.before->name)) << step.before->name;
  ASSERT_TRUE(app().Focus(step.before->name)) << step.before->name;
  HWND from = app().FocusedWindow();
  ASSERT_TRUE(app().PressKey(VK_TAB));
  HWND reached = app().WaitForFocusToLeave(from, kKeyTimeout);
  EXPECT_EQ(reached, app().Control(step.result->name))
      << "Tab from " << step.before->name << " went to " << Describe(reached);
}

// The focus shows as a dotted frame around the result, gone when the focus moves on. The frame
// is read from the screen: on the ring of pixels at the edge of the result's window, the
// system's focus rectangle inverts every other pixel of the result's colour. (A neighbour that
// overlaps the ring covers it with its own colour, never with the inverted one.)
int InvertedRingPixels(HWND window) {
  const COLORREF inverted =
      RGB(255 - kResultYellow.red, 255 - kResultYellow.green, 255 - kResultYellow.blue);
  RECT place{};
  GetWindowRect(window, &place);
  HDC screen = GetDC(nullptr);
  int count = 0;
  auto look = [&](int x, int y) { count += GetPixel(screen, x, y) == inverted; };
  for (int x = place.left; x < place.right; ++x) {
    look(x, place.top);
    look(x, place.bottom - 1);
  }
  for (int y = place.top + 1; y < place.bottom - 1; ++y) {
    look(place.left, y);
    look(place.right - 1, y);
  }
  ReleaseDC(nullptr, screen);
  return count;
}

// What the ring shows once `ready` holds, or after a while: what the window paints reaches the
// screen a moment later.
template <typename Ready>
int InvertedRingPixelsOnce(HWND window, Ready ready) {
  int count = InvertedRingPixels(window);
  for (int attempt = 0; attempt < 100 && !ready(count); ++attempt) {
    Sleep(20);
    count = InvertedRingPixels(window);
  }
  return count;
}

TEST_P(TabKey, ShowsTheFocusWithAFrameAroundTheResult) {
  const Step& step = GetParam();
  const PageLayout* page = PageOf(step.result->name);
  ASSERT_NE(page, nullptr) << step.result->name;
  ASSERT_TRUE(app().ShowPage(page->tabSet, page->tab));
  HWND result = app().Control(step.result->name);
  RECT place{};
  GetWindowRect(result, &place);
  const int quarter = ((place.right - place.left) + (place.bottom - place.top)) / 2;
  auto none = [](int count) { return count == 0; };
  auto dotted = [quarter](int count) { return count >= quarter; };

  ASSERT_TRUE(app().Focus(step.before->name));
  EXPECT_EQ(InvertedRingPixelsOnce(result, none), 0) << "a mark without the focus";
  HWND from = app().FocusedWindow();
  ASSERT_TRUE(app().PressKey(VK_TAB));
  ASSERT_EQ(app().WaitForFocusToLeave(from, kKeyTimeout), result);
  EXPECT_GE(InvertedRingPixelsOnce(result, dotted), quarter) << "no focus mark";
  ASSERT_TRUE(app().PressKey(VK_TAB));
  HWND next = app().WaitForFocusToLeave(result, kKeyTimeout);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(InvertedRingPixelsOnce(result, none), 0)
      << "the mark stayed with the focus on " << Describe(next);
}

INSTANTIATE_TEST_SUITE_P(EveryResult, TabKey, ::testing::ValuesIn(ResultSteps()),
                         [](const ::testing::TestParamInfo<Step>& info) {
                           return std::string(info.param.result->name);
                         });

// ---------------------------------------------------------------------------------------------
// (c) A result too wide for its label is drawn smaller, then shortened in its fraction: what
// it shows keeps the sign, the digits before the decimal separator and the exponent, and marks
// what it leaves out; its tooltip and its copy are the whole result. Reached by Tab, it shows
// the focus with all its text selected.

struct LongResultCase {
  const char* field;
  const char* input;
  const char* button;
  const char* result;
  const char* whole;  // the result worked out by hand
};

void PrintTo(const LongResultCase& c, std::ostream* os) {
  *os << c.button << " " << c.field << "=\"" << c.input << "\"";
}

class LongResult : public GuiTest, public ::testing::WithParamInterface<LongResultCase> {};

TEST_P(LongResult, KeepsSignWholeDigitsAndExponent) {
  const LongResultCase& c = GetParam();
  const std::string whole = c.whole;
  OpenPage("SSTabGen", 4);
  ASSERT_TRUE(app().SetText(c.field, c.input));
  ASSERT_TRUE(app().Focus(c.button));
  ASSERT_TRUE(app().PressKey(VK_RETURN));
  // The tooltip holds the whole result as soon as the Calc wrote it.
  std::optional<std::string> tip;
  for (auto waited = Milliseconds(0); waited < kCalcTimeout; waited += Milliseconds(20)) {
    tip = app().ToolTipText(app().Control(c.result));
    if (tip == whole) break;
    Sleep(20);
  }
  EXPECT_EQ(tip, whole) << c.result << "'s tooltip";

  const std::string shown = app().Text(c.result);
  const std::string digits = whole.substr(0, whole.find('.'));
  const std::size_t e = whole.find('E');
  const std::string exponent = e == std::string::npos ? "" : whole.substr(e);
  EXPECT_EQ(shown.rfind(digits, 0), 0u) << shown;
  EXPECT_TRUE(shown.size() >= exponent.size() &&
              shown.compare(shown.size() - exponent.size(), exponent.size(), exponent) == 0)
      << shown;
  // Either the whole result, or its beginning, the mark and its end.
  const std::string mark = "\xE2\x80\xA6";  // …
  const std::size_t at = shown.find(mark);
  if (at == std::string::npos) {
    EXPECT_EQ(shown, whole);
  } else {
    const std::string head = shown.substr(0, at);
    const std::string tail = shown.substr(at + mark.size());
    EXPECT_EQ(whole.rfind(head, 0), 0u) << shown;
    EXPECT_EQ(tail, exponent) << shown;
    EXPECT_GT(head.size(), digits.size()) << "no digit of the fraction shown: " << shown;
  }
  HWND label = app().Control(c.result);

  // The Tab key reaches the result with its whole text selected.
  const ControlRow* before = ControlBefore(c.result);
  ASSERT_NE(before, nullptr);
  ASSERT_TRUE(app().Focus(before->name));
  HWND from = app().FocusedWindow();
  ASSERT_TRUE(app().PressKey(VK_TAB));
  ASSERT_EQ(app().WaitForFocusToLeave(from, kKeyTimeout), label);
  DWORD start = 1, end = 0;
  SendMessageW(label, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, static_cast<DWORD>(Units(shown)));
  // With the caret after its last character, the text still shows from its first: it fits, or
  // the edit would have scrolled the sign out of sight.
  const auto first = static_cast<LRESULT>(SendMessageW(label, EM_POSFROMCHAR, 0, 0));
  EXPECT_EQ(static_cast<short>(LOWORD(first)), 0) << shown;
  // The copy is the whole result, whatever part of it shows.
  ASSERT_TRUE(AppDriver::EmptyClipboard());
  ASSERT_TRUE(app().PressCopyKey());
  EXPECT_EQ(AppDriver::WaitForClipboardText(kKeyTimeout), whole);
}

INSTANTIATE_TEST_SUITE_P(Temperatures, LongResult,
                         ::testing::Values(
                             // 1.23456789 × 1.8 = 2.222222202; the 32 is far below the last digit.
                             LongResultCase{"txtCelsius1", "1.23456789E+300", "Command29",
                                            "lblFahrenheit1", "2.222222202E+300"},
                             LongResultCase{"txtCelsius1", "-1.23456789E+300", "Command29",
                                            "lblFahrenheit1", "-2.222222202E+300"},
                             // (1 − 32) ÷ 1.8 = −17.2̅, to 15 significant digits.
                             LongResultCase{"txtFahrenheit1", "1", "Command28", "lblCelsius1",
                                            "-17.2222222222222"},
                             // −1.23456789E+300 + 273 keeps every digit of the input.
                             LongResultCase{"txtCelsius2", "-1.23456789E+300", "Command32",
                                            "lblKelvin2", "-1.23456789E+300"}),
                         [](const ::testing::TestParamInfo<LongResultCase>& info) {
                           return std::string(info.param.button) + "_" + std::to_string(info.index);
                         });

// Ctrl+C on a focused result copies the selection when the whole result shows, and the whole
// result when nothing is selected or the result is shown shortened.
struct CopyCase {
  const char* field;
  const char* input;
  const char* button;
  const char* result;
  int selectionStart;
  int selectionEnd;
  const char* copied;
};

void PrintTo(const CopyCase& c, std::ostream* os) {
  *os << c.result << " selection " << c.selectionStart << ".." << c.selectionEnd;
}

class CopyKey : public GuiTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyKey, CopiesTheSelectionOrTheWholeResult) {
  const CopyCase& c = GetParam();
  const PageLayout* page = PageOf(c.result);
  ASSERT_NE(page, nullptr);
  OpenPage(*page);
  ASSERT_TRUE(app().SetText(c.field, c.input));
  ASSERT_TRUE(app().Click(c.button));
  ASSERT_TRUE(app().Focus(c.result));
  HWND label = app().Control(c.result);
  SendMessageW(label, EM_SETSEL, static_cast<WPARAM>(c.selectionStart),
               static_cast<LPARAM>(c.selectionEnd));
  ASSERT_TRUE(AppDriver::EmptyClipboard());
  ASSERT_TRUE(app().PressCopyKey());
  EXPECT_EQ(AppDriver::WaitForClipboardText(kKeyTimeout), c.copied);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, CopyKey,
    ::testing::Values(
        // 100 °C is 212 °F: shown whole.
        CopyCase{"txtCelsius1", "100", "Command29", "lblFahrenheit1", 2, 2, "212"},
        CopyCase{"txtCelsius1", "100", "Command29", "lblFahrenheit1", 0, 2, "21"},
        CopyCase{"txtCelsius1", "100", "Command29", "lblFahrenheit1", 1, 3, "12"},
        // 1 °F is −17.2̅ °C, shown shortened: any copy is the whole result.
        CopyCase{"txtFahrenheit1", "1", "Command28", "lblCelsius1", 0, 3, "-17.2222222222222"},
        CopyCase{"txtFahrenheit1", "1", "Command28", "lblCelsius1", 0, 0, "-17.2222222222222"}),
    [](const ::testing::TestParamInfo<CopyCase>& info) {
      return std::string(info.param.result) + "_" + std::to_string(info.index);
    });

// ---------------------------------------------------------------------------------------------
// (b) A Calc that ran to its end changes its control's description once, which a screen reader
// speaks for the focused object; a fault sends nothing, its report speaks for itself.

using Texts = std::vector<std::pair<const char*, const char*>>;

struct AnnounceCase {
  const char* tabSet;
  int tab;
  Texts inputs;         // every other field of the page is empty
  const char* control;  // a Calc button, pressed with Enter, or a list
  const char* entry;    // for a list: the entry chosen
  const char* written;  // a control the Calc writes, or none when it faults
  const char* text;     // and what it then holds
};

void PrintTo(const AnnounceCase& c, std::ostream* os) {
  *os << c.control << (c.written ? "" : " (a fault)");
}

class Announcement : public GuiTest, public ::testing::WithParamInterface<AnnounceCase> {};

TEST_P(Announcement, OnePerCalcThatRanToItsEnd) {
  const AnnounceCase& c = GetParam();
  OpenPage(c.tabSet, c.tab);
  for (const auto& [field, text] : c.inputs) ASSERT_TRUE(app().SetText(field, text)) << field;
  HWND control = app().Control(c.control);
  ASSERT_NE(control, nullptr);
  ASSERT_TRUE(app().Focus(c.control));

  WinEventWatch watch(EVENT_OBJECT_DESCRIPTIONCHANGE, app().processId());
  ASSERT_TRUE(watch.Watching());
  if (c.entry) {
    ASSERT_TRUE(app().ChooseListEntry(c.control, c.entry));
  } else {
    ASSERT_TRUE(app().PressKey(VK_RETURN));
  }
  if (c.written) {
    watch.PumpUntil([&] { return !watch.Events().empty(); }, kCalcTimeout);
    watch.Pump(kLateEvents);
    EXPECT_EQ(app().WholeText(c.written), c.text) << "the Calc did not run";
    ASSERT_EQ(watch.Events().size(), 1u);
    EXPECT_EQ(watch.Events().front().window, control)
        << "the event names " << Describe(watch.Events().front().window);
    EXPECT_EQ(watch.Events().front().object, OBJID_CLIENT);
    EXPECT_EQ(watch.Events().front().child, CHILDID_SELF);
  } else {
    HWND box = nullptr;
    watch.PumpUntil([&] { return (box = app().WaitForMessageBox(Milliseconds(0))) != nullptr; },
                    kCalcTimeout);
    ASSERT_NE(box, nullptr) << "no fault report";
    ASSERT_TRUE(AppDriver::CloseMessageBox(box));
    watch.Pump(kLateEvents);
    EXPECT_TRUE(watch.Events().empty()) << watch.Events().size() << " events";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Calcs, Announcement,
    ::testing::Values(
        AnnounceCase{"SSTabHyd",
                     0,
                     {{"txtGPM", "10"}, {"txtPSI", "1500"}},
                     "cmdHP",
                     nullptr,
                     "lblHP",
                     "8.751458"},
        AnnounceCase{"SSTabHyd",
                     3,
                     {{"txtIDVel", "1"}, {"txtGPMVel", "10"}},
                     "Command1",
                     nullptr,
                     "lblVelocity",
                     "4.084552"},
        // A unit pair writes a field, not a result.
        AnnounceCase{"SSTabGen", 0, {{"txtin1", "1"}}, "Command2", nullptr, "txtmm1", "25.4"},
        AnnounceCase{
            "SSTabGen", 4, {{"txtCelsius1", "37"}}, "Command29", nullptr, "lblFahrenheit1", "98.6"},
        AnnounceCase{"SSTabGen", 5, {}, "Combo2", "20", "lblWireGauge", "0.0320"},
        // 0 ÷ 0, and a flow through a diameter of 0.
        AnnounceCase{"SSTabHyd", 1, {}, "cmdSpeed", nullptr, nullptr, nullptr},
        AnnounceCase{"SSTabHyd", 3, {{"txtGPMVel", "10"}}, "Command1", nullptr, nullptr, nullptr}),
    [](const ::testing::TestParamInfo<AnnounceCase>& info) {
      return std::string(info.param.control) + "_" + std::to_string(info.index);
    });

// ---------------------------------------------------------------------------------------------
// (d) Formulas on demand: each Calc button and gauge list shows its formula as its tooltip, the
// text part of a list as well.

using Formulas = GuiTest;

TEST_F(Formulas, EveryCalcButtonAndListShowsItsFormula) {
  const std::vector<const ControlRow*> calculators = Calculators();
  ASSERT_FALSE(calculators.empty());
  for (const ControlRow* row : calculators) {
    HWND control = app().Control(row->name);
    ASSERT_NE(control, nullptr) << row->name;
    const std::string formula = FormulaOf(row->name);
    ASSERT_FALSE(formula.empty()) << row->name;
    EXPECT_EQ(app().ToolTipText(control), formula) << row->name;
    if (row->kind == ControlKind::kList) {
      HWND textPart = FindWindowExW(control, nullptr, L"Edit", nullptr);
      ASSERT_NE(textPart, nullptr) << row->name;
      EXPECT_EQ(app().ToolTipText(textPart), formula) << row->name << "'s text part";
    }
  }
}

// A control that computes nothing has no formula to show.
TEST_F(Formulas, NoOtherButtonHasOne) {
  for (const char* name : {"cmdAbout", "optHyd", "optGen"}) {
    const std::optional<std::string> tip = app().ToolTipText(app().Control(name));
    EXPECT_TRUE(!tip || tip->empty()) << name << ": " << tip.value_or("");
  }
}

// ---------------------------------------------------------------------------------------------
// What a screen reader reads from the controls' accessible objects: the formula as a Calc's
// description, the announcement after a Calc, the link's role. The program adds them through
// the system's annotation service; a system whose service does not take annotations (Wine's
// oleacc, for one) leaves nothing here to check.

// Whether this system's annotation service takes an annotation and gives it back, tried on a
// window of this process.
bool SystemTakesAnnotations() {
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return false;
  bool taken = false;
  void* object = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IAccPropServices, &object))) {
    auto* services = static_cast<IAccPropServices*>(object);
    HWND probe = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (probe &&
        SUCCEEDED(services->SetHwndPropStr(probe, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                           PROPID_ACC_DESCRIPTION, L"probe"))) {
      taken = AccessibleDescription(probe) == "probe";
      const MSAAPROPID properties[] = {PROPID_ACC_DESCRIPTION};
      services->ClearHwndProps(probe, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties,
                               1);
    }
    if (probe) DestroyWindow(probe);
    services->Release();
  }
  CoUninitialize();
  return taken;
}

class Accessible : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    if (!SystemTakesAnnotations()) {
      GTEST_SKIP() << "this system's accessibility service (IAccPropServices) takes no "
                      "annotations: the descriptions and the link's role cannot be read back";
    }
  }
};

// A Calc that ran puts what it wrote before the formula (below); the formula is always there.
TEST_F(Accessible, EveryCalcDescribesItsFormula) {
  for (const ControlRow* row : Calculators()) {
    const std::string formula = FormulaOf(row->name);
    const std::string description =
        AccessibleDescription(app().Control(row->name)).value_or("<none>");
    EXPECT_TRUE(description == formula ||
                (description.size() > formula.size() + 2 &&
                 description.compare(description.size() - formula.size() - 2, std::string::npos,
                                     ". " + formula) == 0))
        << row->name << ": " << description;
  }
}

TEST_F(Accessible, ACalcNamesItsNewResultBeforeTheFormula) {
  OpenPage("SSTabHyd", 0);
  ASSERT_TRUE(app().SetText("txtGPM", "10"));
  ASSERT_TRUE(app().SetText("txtPSI", "1500"));
  ASSERT_TRUE(app().Click("cmdHP"));
  EXPECT_EQ(AccessibleDescription(app().Control("cmdHP")),
            "Horsepower Required 8.751458 hp. Horsepower = gallons per minute × PSI ÷ 1714");
}

TEST_F(Accessible, TheLinkIsALink) {
  EXPECT_EQ(AccessibleRole(app().Control("Label3")), ROLE_SYSTEM_LINK);
}

}  // namespace
}  // namespace tallies::gui
