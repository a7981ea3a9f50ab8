#include "window/units_switch.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <variant>

#include "layout/control_layout.h"
#include "layout/metric_captions.h"
#include "layout/window_model.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/field_number.h"
#include "numeric/typed_units.h"
#include "window/calculator_catalogue.h"

namespace tallies {
namespace {

// Whether a control's unit is another one in the other system.
bool UnitChanges(std::string_view control, UnitSystem from, UnitSystem to) {
  const Port* before = PortOf(control, from);
  const Port* after = PortOf(control, to);
  return before != nullptr && after != nullptr && before->unit != after->unit;
}

// A field's number that the new unit cannot hold keeps its old unit typed after it; a text that
// holds no number, or already names a unit, or faults in any unit, is left as it is.
std::optional<std::string> WithOldUnit(std::string_view control, std::string_view text,
                                       std::string_view separator, UnitSystem from) {
  const Port* port = PortOf(control, from);
  if (port == nullptr) return std::nullopt;
  try {
    if (!ParseLeadingNumber(text, separator).found) return std::nullopt;
    const UnitReading reading = ReadFieldWithUnit(text, separator, port->quantity, port->unit);
    const UnitValue* value = std::get_if<UnitValue>(&reading);
    if (value == nullptr || value->typed != nullptr) return std::nullopt;
  } catch (const ArithmeticFault&) {
    return std::nullopt;
  }
  return std::string(text) + " " + std::string(port->unit);
}

void SwitchField(Controls& form, std::string_view control, UnitSystem from, UnitSystem to) {
  const std::string text = form.Text(control);
  const std::string separator = form.DecimalSeparator();
  std::optional<std::string> converted = FieldTextInUnits(control, text, separator, from, to);
  if (!converted) converted = WithOldUnit(control, text, separator, from);
  if (converted && *converted != text) form.SetText(control, *converted);
}

void SwitchResult(Controls& form, const Calculator& calculator, std::string_view control) {
  if (form.Text(control).empty()) return;
  std::optional<std::string_view> shown;
  if (calculator.kind == CalculatorKind::kLookup && calculator.lookup) {
    shown = calculator.lookup(form.Text(calculator.inputs.front().control));
  }
  form.SetCaption(control, shown.value_or(std::string_view()));
}

}  // namespace

void SwitchUnits(Controls& form, UnitSystem from, UnitSystem to) {
  if (from == to) return;
  std::set<std::string_view> done;
  auto visit = [&](const Calculator& calculator, std::string_view control) {
    if (!done.insert(control).second || !UnitChanges(control, from, to)) return;
    const ControlRow* row = FindControl(control);
    if (row == nullptr) return;
    if (row->kind == ControlKind::kField) {
      SwitchField(form, control, from, to);
    } else if (row->kind == ControlKind::kResult) {
      SwitchResult(form, calculator, control);
    }
  };
  for (const Calculator& calculator : CalculatorCatalogue(to)) {
    for (const Port& input : calculator.inputs) visit(calculator, input.control);
    for (const Output& output : calculator.outputs) {
      visit(calculator, output.port.control);
      for (std::string_view copy : output.alsoInto) visit(calculator, copy);
    }
  }
  for (const MetricCaption& caption : MetricCaptions()) {
    const std::string_view label = CaptionOf(caption.control);
    if (!label.empty()) form.SetCaption(label, CaptionTextOf(caption.control, to));
  }
}

}  // namespace tallies
