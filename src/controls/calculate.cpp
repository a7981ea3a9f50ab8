#include "controls/calculate.h"

#include <variant>

#include "controls/field_access.h"
#include "controls/unit_mismatch.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/field_number.h"
#include "numeric/number_format.h"
#include "numeric/typed_units.h"

namespace tallies {
namespace {

class Run {
 public:
  Run(const Calculator& calculator, Controls& form, TypedUnits typedUnits)
      : m_form(form), m_typedUnits(typedUnits) {
    m_done.calculator = &calculator;
  }

  double Read(const Port& port) {
    std::string text = m_form.Text(port.control);
    const double read = ReadNumber(port, text);
    const double value =
        port.precision == Precision::kSingle ? double{NarrowToSingle(read)} : CheckPoint(read);
    m_done.readings.push_back({port.control, std::move(text), value});
    return value;
  }

  // A list's entry is looked up as it stands, not read as a number.
  std::string ReadEntry(const Port& port) {
    std::string text = m_form.Text(port.control);
    m_done.readings.push_back({port.control, text, std::nullopt});
    return text;
  }

  std::string Shown(const Port& port, double value) {
    return port.precision == Precision::kSingle
               ? FormatSingle(static_cast<float>(value), Separator())
               : FormatDouble(value, Separator());
  }

  void SetCaption(std::string_view control, std::string text) {
    m_form.SetCaption(control, text);
    m_done.writes.push_back({control, std::move(text)});
  }

  void SetText(std::string_view control, std::string text) {
    m_form.SetText(control, text);
    m_done.writes.push_back({control, std::move(text)});
  }

  Controls& Form() { return m_form; }
  Calculation Done() { return std::move(m_done); }

 private:
  // The number a field's text stands for in the field's unit, before the port's narrowing.
  double ReadNumber(const Port& port, const std::string& text) {
    if (m_typedUnits == TypedUnits::kIgnored || !port.readsTypedUnit) {
      return ParseFieldNumber(text, Separator());
    }
    const UnitReading reading = ReadFieldWithUnit(text, Separator(), port.quantity, port.unit);
    if (const auto* wrong = std::get_if<WrongQuantity>(&reading)) {
      throw UnitMismatch(port.control, text, wrong->typed->quantity, port.quantity, port.unit);
    }
    return std::get<UnitValue>(reading).value;
  }

  const std::string& Separator() {
    if (!m_separator) m_separator = m_form.DecimalSeparator();
    return *m_separator;
  }

  Controls& m_form;
  TypedUnits m_typedUnits;
  std::optional<std::string> m_separator;
  Calculation m_done;
};

void RunFormula(const Calculator& calculator, Run& run) {
  std::vector<double> values;
  for (const Port& input : calculator.inputs) values.push_back(run.Read(input));
  for (const Output& output : calculator.outputs) {
    const std::string text = run.Shown(output.port, output.compute(values));
    run.SetCaption(output.port.control, text);
    for (std::string_view copy : output.alsoInto) run.SetText(copy, text);
  }
}

void RunFillEmpty(const Calculator& calculator, Run& run) {
  const std::vector<Port>& fields = calculator.inputs;
  // The direction depends only on which fields hold no text at all: a blank or a 0
  // counts as filled.
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!IsFieldEmpty(run.Form().Text(fields[i].control))) continue;
    const Solution& solution = calculator.solutions[i];
    std::vector<double> values;
    for (std::size_t from : solution.from) values.push_back(run.Read(fields[from]));
    run.SetText(fields[i].control, run.Shown(fields[i], solution.compute(values)));
    return;
  }
  // All filled: the click starts a new problem.
  for (const Port& field : fields) run.SetText(field.control, "");
}

void RunLookup(const Calculator& calculator, Run& run) {
  const Port& list = calculator.inputs.front();
  const std::optional<std::string_view> shown = calculator.lookup(run.ReadEntry(list));
  if (!shown) return;
  run.SetCaption(calculator.outputs.front().port.control, std::string(*shown));
}

}  // namespace

Calculation Calculate(const Calculator& calculator, Controls& form, TypedUnits typedUnits) {
  Run run(calculator, form, typedUnits);
  switch (calculator.kind) {
    case CalculatorKind::kFormula:
      RunFormula(calculator, run);
      break;
    case CalculatorKind::kFillEmpty:
      RunFillEmpty(calculator, run);
      break;
    case CalculatorKind::kLookup:
      RunLookup(calculator, run);
      break;
  }
  return run.Done();
}

}  // namespace tallies
