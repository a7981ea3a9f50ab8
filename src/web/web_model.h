#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/calculate.h"
#include "controls/controls.h"
#include "layout/control_layout.h"
#include "layout/result_presentation.h"
#include "numeric/unit_system.h"

namespace tallies {

// The windows as the page builds them: one JSON document with the main window's controls, its
// tab sets and pages, the views, the keyboard order of each window, the designed colours and
// faces, the About box, the History window, and the catalogue's worked examples (in metric units
// too, where they are others); every place already in CSS pixels (the desktop's twips-to-pixels
// rounding), every text as the window starts, in US units. Its shape is described, member by
// member, by tests/web/model.schema.json.
std::string WindowModelJson();

// The main window's state inside the module: the text of each field and list as the page last
// gave it, and the captions the calculators wrote. Calculators read and write through it; the
// results they write are fitted to their labels with `measure`, the page's measure of a text.
class WebForm : public Controls {
 public:
  explicit WebForm(MeasureText measure) : m_measure(std::move(measure)) {}

  // One text a calculator wrote: into a field (kText) or a result's caption.
  struct Write {
    std::string control;
    std::string text;
    bool caption;
  };

  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, std::string_view text) override;
  void SetCaption(std::string_view control, std::string_view caption) override;
  std::string DecimalSeparator() const override { return m_decimalSeparator; }

  // What the user typed or chose; nothing is noted as written.
  void Type(std::string_view control, std::string_view text);
  // The separator of the browser's language ("." or ","); any other text leaves ".".
  void SetDecimalSeparator(std::string_view separator);

  // The units the form speaks: calculators run in them, and a switch converts the fields,
  // clears or looks up again the results and writes the captions (SwitchUnits), noted as
  // writes.
  UnitSystem Units() const { return m_units; }
  void SetUnits(UnitSystem units);

  // The writes since the last call, in the order they happened.
  std::vector<Write> TakeWrites();
  // How a result's text is drawn in its label: FitResult with the page's measure.
  FittedResult Fit(const ControlRow& result, std::string_view text) const;

 private:
  MeasureText m_measure;
  std::map<std::string, std::string, std::less<>> m_texts;
  std::vector<Write> m_writes;
  std::string m_decimalSeparator = ".";
  UnitSystem m_units = UnitSystem::kUS;
};

// Runs what a click on the control (or the choice of a list entry) does inside the module and
// answers with JSON: {"ran": whether a calculator ran to its end, "writes": [{"control", "text",
// "caption", and for a result "points" and "shown", how it is drawn}], "message": the text for
// the modal message box or "", "said": what a screen reader announces or "", "description": the
// clicked control's description from now on, or "" to keep it}. A fault is caught here and
// becomes the message; nothing is thrown to the page. Views, the About box and the link are the
// page's own business: for those, and for a name of no control, nothing runs. A calculation
// that ran to its end is handed to `record`, whose answer (the history as WebHistory answers it,
// or none when nothing was recorded) is the answer's "history", null otherwise.
using RecordCalculation = std::function<std::optional<std::string>(const Calculation&)>;
std::string ClickJson(WebForm& form, std::string_view control,
                      const RecordCalculation& record = {});

// Switches the form to the units of the units list's `entry` and answers with JSON: {"units":
// the entry of the units the form now speaks, "settings": the settings text that keeps them,
// "writes": what the switch wrote, as in ClickJson's answer, "formulas": [{"control",
// "formula"}] each Calc button's and gauge list's formula in those units, "message": ""}. A text
// the list does not offer changes nothing and is answered the same way, with no writes.
std::string ChooseUnitsJson(WebForm& form, std::string_view entry);
// The same for the units a stored settings text names; a text that names none (nothing stored,
// a damaged or foreign text) means US units.
std::string UnitsFromSettingsJson(WebForm& form, std::string_view settings);

// What copying a result copies (CopiedText) when it shows `shown` and `selection` is selected.
std::string CopiedResult(const WebForm& form, std::string_view control, std::string_view shown,
                         std::string_view selection);

}  // namespace tallies
