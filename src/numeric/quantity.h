#pragma once

namespace tallies {

// What a number of a field or result measures. Calculators declare the quantity of
// each input and output, so the units, the record of a calculation and the
// announcements can speak of it without knowing the calculator.
enum class Quantity {
  kNone,
  kFlow,
  kPressure,
  kPower,
  kLength,
  kArea,
  kForce,
  kSpeed,
  kTorque,
  kDisplacement,
  kAngle,
  kRotationSpeed,
  kVolume,
  kMass,
  kMassPerLength,
  kDensity,
  kTemperature,
  kGauge,
};

}  // namespace tallies
