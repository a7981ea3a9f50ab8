#include "conversions/temperatures.h"

#include "numeric/arithmetic_fault.h"

namespace tallies {

double CelsiusFromFahrenheit(double fahrenheit) {
  return CheckPoint((fahrenheit - kFahrenheitAtFreezing) / kFahrenheitPerCelsius);
}

double FahrenheitFromCelsius(double celsius) {
  return CheckPoint(celsius * kFahrenheitPerCelsius + kFahrenheitAtFreezing);
}

double KelvinFromFahrenheit(double fahrenheit) {
  const double celsiusPerFahrenheit = kCelsiusDegrees / kFahrenheitDegrees;
  return CheckPoint((fahrenheit - kFahrenheitAtFreezing) * celsiusPerFahrenheit +
                    kKelvinAtFreezing);
}

double FahrenheitFromKelvin(double kelvin) {
  const double fahrenheitPerCelsius = kFahrenheitDegrees / kCelsiusDegrees;
  return CheckPoint((kelvin - kKelvinAtFreezing) * fahrenheitPerCelsius + kFahrenheitAtFreezing);
}

double KelvinFromCelsius(double celsius) { return CheckPoint(celsius + kKelvinAtFreezing); }

double CelsiusFromKelvin(double kelvin) { return CheckPoint(kelvin - kKelvinAtFreezing); }

}  // namespace tallies
