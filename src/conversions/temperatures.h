#pragma once

// The six one-way temperature conversions. Each converts in Double; a result
// beyond the Double range is an overflow ArithmeticFault. The Kelvin scale is
// offset by the whole number 273.

namespace tallies {

inline constexpr double kFahrenheitAtFreezing = 32.0;  // water freezes at 32 degrees Fahrenheit
inline constexpr double kFahrenheitPerCelsius = 1.8;   // a Celsius degree in Fahrenheit degrees
inline constexpr double kKelvinAtFreezing = 273.0;     // whole-degree Kelvin offset
inline constexpr double kCelsiusDegrees = 5.0;         // Celsius degrees in ...
inline constexpr double kFahrenheitDegrees = 9.0;      // ... this many Fahrenheit degrees

double CelsiusFromFahrenheit(double fahrenheit);
double FahrenheitFromCelsius(double celsius);
// The Kelvin rows scale by the quotients 5 / 9 and 9 / 5 rather than by 1.8, so
// their last digits can differ from those of the Celsius rows for the same input.
double KelvinFromFahrenheit(double fahrenheit);
double FahrenheitFromKelvin(double kelvin);
double KelvinFromCelsius(double celsius);
double CelsiusFromKelvin(double kelvin);

}  // namespace tallies
