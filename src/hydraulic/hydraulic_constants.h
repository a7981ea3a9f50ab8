#pragma once

namespace tallies {

// The circle constant of every hydraulic calculator: a Double of exactly these 15
// significant digits, slightly smaller than the full-precision pi. The piston
// area, the oil velocity, the force at an angle and the torque divisor all use
// it, so their results agree to the last digit with one another.
inline constexpr double kCircleConstant = 3.14159265358979;

// Turns a diameter into a radius.
inline constexpr double kDiameterToRadius = 2;

// Turns US gallons per minute over square inches into feet per second
// (231 cubic inches per gallon, over 60 seconds and 12 inches).
inline constexpr double kFlowToFeetPerSecond = 0.3208;

}  // namespace tallies
