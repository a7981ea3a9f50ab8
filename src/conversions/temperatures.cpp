#include "conversions/temperatures.h"

#include <array>
#include <string_view>

#include "controls/field_access.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/number_format.h"

namespace tallies {
namespace {

constexpr double kFahrenheitAtFreezing = 32.0;  // water freezes at 32 degrees Fahrenheit
constexpr double kFahrenheitPerCelsius = 1.8;   // size of a Celsius degree in Fahrenheit degrees
constexpr double kKelvinAtFreezing = 273.0;     // whole-degree Kelvin offset used on the tab
constexpr double kFive = 5.0;                   // Celsius degrees in ...
constexpr double kNine = 9.0;                   // ... this many Fahrenheit degrees

// Checks the result before it is shown, so a fault leaves the label as it was.
void ShowResult(Controls& form, std::string_view label, double value) {
  form.SetCaption(label, FormatDouble(CheckPoint(value), form.DecimalSeparator()));
}

constexpr std::array<ButtonHandler, 6> kTemperatureButtons{{
    {"Command28", &Command28_Click},
    {"Command29", &Command29_Click},
    {"Command30", &Command30_Click},
    {"Command31", &Command31_Click},
    {"Command32", &Command32_Click},
    {"Command33", &Command33_Click},
}};

}  // namespace

void Command28_Click(Controls& form) {
  const double fahrenheit = ReadDouble(form, "txtFahrenheit1");
  ShowResult(form, "lblCelsius1", (fahrenheit - kFahrenheitAtFreezing) / kFahrenheitPerCelsius);
}

void Command29_Click(Controls& form) {
  const double celsius = ReadDouble(form, "txtCelsius1");
  ShowResult(form, "lblFahrenheit1", celsius * kFahrenheitPerCelsius + kFahrenheitAtFreezing);
}

// The Kelvin rows scale by the quotients 5 / 9 and 9 / 5 rather than by 1.8, so
// their last digits can differ from those of the Celsius rows for the same input.
void Command30_Click(Controls& form) {
  const double fahrenheit = ReadDouble(form, "txtFahrenheit2");
  const double celsiusPerFahrenheit = kFive / kNine;
  ShowResult(form, "lblKelvin1",
             (fahrenheit - kFahrenheitAtFreezing) * celsiusPerFahrenheit + kKelvinAtFreezing);
}

void Command31_Click(Controls& form) {
  const double kelvin = ReadDouble(form, "txtKelvin1");
  const double fahrenheitPerCelsius = kNine / kFive;
  ShowResult(form, "lblFahrenheit2",
             (kelvin - kKelvinAtFreezing) * fahrenheitPerCelsius + kFahrenheitAtFreezing);
}

void Command32_Click(Controls& form) {
  const double celsius = ReadDouble(form, "txtCelsius2");
  ShowResult(form, "lblKelvin2", celsius + kKelvinAtFreezing);
}

void Command33_Click(Controls& form) {
  const double kelvin = ReadDouble(form, "txtKelvin2");
  ShowResult(form, "lblCelsius2", kelvin - kKelvinAtFreezing);
}

std::span<const ButtonHandler> TemperatureButtons() { return kTemperatureButtons; }

}  // namespace tallies
