#include "record/record_entry.h"

#include <algorithm>
#include <array>

#include "layout/metric_captions.h"
#include "numeric/char_conv.h"
#include "numeric/field_number.h"

namespace tallies {
namespace {

// The port that declares a control of the calculator: an input, or the output it is written by.
const Port* DeclaringPort(const Calculator& calculator, std::string_view control) {
  for (const Port& port : calculator.inputs) {
    if (port.control == control) return &port;
  }
  for (const Output& output : calculator.outputs) {
    if (output.port.control == control) return &output.port;
  }
  return nullptr;
}

RecordedValue ValueOf(const Port* port, std::string_view control, UnitSystem units) {
  RecordedValue value;
  value.control = std::string(control);
  value.caption = std::string(CaptionTextOf(control, units));
  if (port != nullptr) value.unit = std::string(port->unit);
  return value;
}

// The text, or its first kLongestRecordedText bytes cut at a character's start and "…".
std::string Kept(std::string_view text) {
  if (text.size() <= kLongestRecordedText) return std::string(text);
  std::size_t cut = kLongestRecordedText;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return std::string(text.substr(0, cut)) + "…";
}

}  // namespace

std::string FullNumber(double value) {
  // The shortest of 15, 16 and 17 significant digits that reads back as the same Double.
  std::array<char, 40> text{};
  for (int digits = 15;; ++digits) {
    const auto written = ToChars(text.data(), text.data() + text.size(), value,
                                 std::chars_format::general, digits);
    double back = 0;
    FromChars(text.data(), written.ptr, back, std::chars_format::general);
    if (back == value || digits == 17) return std::string(text.data(), written.ptr);
  }
}

std::optional<RecordEntry> EntryOf(const Calculation& calculation, std::int64_t time,
                                   std::string_view id, std::string_view version,
                                   std::string_view decimalSeparator) {
  const Calculator* calculator = calculation.calculator;
  if (calculator == nullptr) return std::nullopt;
  RecordEntry entry;
  entry.id = std::string(id);
  entry.time = time;
  entry.calculator = std::string(calculator->control);
  entry.name = calculator->name;
  entry.units = calculator->units;
  entry.formula = calculator->formula;
  entry.version = std::string(version);
  for (const FieldReading& reading : calculation.readings) {
    RecordedValue input =
        ValueOf(DeclaringPort(*calculator, reading.control), reading.control, calculator->units);
    input.text = Kept(reading.text);
    input.value = reading.value;
    entry.inputs.push_back(std::move(input));
  }
  for (const FieldWrite& write : calculation.writes) {
    const Port* port = DeclaringPort(*calculator, write.control);
    if (port == nullptr || write.text.empty()) continue;  // a copy, or an emptied field
    RecordedValue result = ValueOf(port, write.control, calculator->units);
    result.text = write.text;
    if (const LeadingNumber number = ParseLeadingNumber(write.text, decimalSeparator);
        number.found) {
      result.value = number.value;
    }
    entry.results.push_back(std::move(result));
  }
  if (entry.results.empty()) return std::nullopt;
  return entry;
}

}  // namespace tallies
