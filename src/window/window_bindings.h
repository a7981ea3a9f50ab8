#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/calculate.h"
#include "controls/controls.h"
#include "layout/control_layout.h"
#include "layout/window_model.h"
#include "platform/message_box.h"

namespace tallies {

// The window model's bindings to the rest of the program: what each control starts, what a
// list offers, and the texts the program puts into the windows. Every front-end builds from
// these, so none of them names a control of the design.

// What a click on a control (or, for a list, the choice of an entry) does.
enum class Action {
  kNone,
  kCalculate,     // runs its calculator through RunCalculator
  kShowView,      // an option button: shows its view
  kShowAbout,     // the About button: shows the one About box
  kOpenSite,      // the link label: opens the project's web site
  kCloseBox,      // the About box's OK: closes it; also its default and cancel button
  kStartSysInfo,  // the About box's System Info: starts the system-information tool
  kChooseUnits,   // the units list: the window speaks the chosen units (see SwitchUnits)
  kShowHistory,   // the History button (and kHistoryShortcut): shows the one History window
  // The History window's buttons: on the chosen entry...
  kRecallEntry,     // shows its calculator's view and tab with its inputs put back
  kCopyEntry,       // copies it as plain text (EntryPlainText)
  kCopyEntryTable,  // copies it as a Markdown table (EntryMarkdown)
  kCopyEntryLink,   // copies the link that opens it in the browser (ShareLink)
  kDeleteEntry,     // removes it
  // ...and on the whole history.
  kExportHistory,   // saves it as CSV (HistoryCsv) where the user chooses
  kPrintHistory,    // prints the worked-calculation sheet, or saves it as PDF
  kClearHistory,    // after kClearHistoryQuestion is answered yes, removes every entry
  kCloseHistory,    // closes the window; also its cancel button (Esc)
};

struct ControlAction {
  Action action = Action::kNone;
  const Calculator* calculator = nullptr;  // for kCalculate
  const ViewLayout* view = nullptr;        // for kShowView
};

// The action of a control of the main window or the About box by its name; a Calc button's or
// gauge list's calculator is the one of that units system.
ControlAction ActionOf(std::string_view control);
ControlAction ActionOf(std::string_view control, UnitSystem system);

// The units list's entry for a system ("US", "Metric"), and the system an entry chooses (none
// for a text that is no entry).
std::string_view UnitsEntry(UnitSystem system);
std::optional<UnitSystem> UnitsOfEntry(std::string_view entry);

// Whether a list's text part takes typed text: the gauge lists look up whatever is typed, as
// designed; the units list offers its entries only, so it never shows a system it is not in.
bool TakesTypedText(std::string_view list);

// The entries a list offers, in list order.
std::vector<std::string_view> ListEntries(std::string_view list);

// The text or caption a control shows when its window is built: the design's, with the link
// completed by the site's name and the About box's description and notice filled in.
std::string InitialText(const ControlRow& row);

// A control and a text for it.
struct ControlText {
  std::string_view control;
  std::string text;
};

// What loading the About box puts in before it is first drawn: its window caption, and the
// title and version labels.
std::string AboutLoadedCaption();
std::vector<ControlText> AboutLoadedTexts();

// Runs a calculator through RunCalculator and says what it wrote, for a screen reader to speak
// once the click is done: each written control by the caption that names it in the calculator's
// units, then its new text and, where the unit depends on the units system, the unit
// ("Horsepower Required 8.751458 hp"), "empty" for a cleared field, joined by "; ". Empty when
// the calculator faulted (the fault report speaks for itself) or wrote nothing.
std::string RunAndDescribe(const Calculator& calculator, Controls& form, MessageBox& messages);

// What a calculation wrote, said as RunAndDescribe says it.
std::string DescribeWrites(const Calculation& calculation);

// The description a Calc button or list carries after a calculation that said `said`: the new
// results, then its formula. A screen reader speaks the change of the focused control's
// description; the browser also speaks `said` in its announcement region.
std::string DescriptionAfterCalc(std::string_view said, std::string_view control,
                                 UnitSystem system = UnitSystem::kUS);

// A sample problem of a view for pictures of the window: the fields to fill and the button that
// works it out.
struct SampleProblem {
  std::vector<ControlText> inputs;
  std::string_view button;
};
SampleProblem SampleProblemOf(const ViewLayout& view);

}  // namespace tallies
