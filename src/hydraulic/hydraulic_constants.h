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

// Hydraulic horsepower = gallons per minute * pounds per square inch / 1714.
inline constexpr double kHorsepowerDivisor = 1714;

// The cylinder speed is shown to 5 decimal places.
inline constexpr int kSpeedDecimals = 5;

// Horsepower = torque (pound-feet) * speed (revolutions per minute) / 5252.
inline constexpr double kTorqueSpeedPerHorsepower = 5252;

// Pressure * cubic inches per revolution over 24 pi gives pound-feet: one
// revolution (2 pi) and inches to feet (12), with the program's circle constant.
inline constexpr double kTorqueDivisorCircles = 24;
inline constexpr double kTorqueDivisor = kTorqueDivisorCircles * kCircleConstant;
static_assert(kTorqueDivisor == 75.39822368615496);

// Degrees in half a turn: radians = degrees / 180 * circle constant.
inline constexpr double kDegreesPerHalfTurn = 180;

// Gear pump: flow per revolution in gallons uses 47 with the gear width and
// 1800 as divisor; the displacement in cubic inches uses 6 and no divisor.
inline constexpr double kGearFlowWidthFactor = 47;
inline constexpr double kGearFlowDivisor = 1800;
inline constexpr double kGearDisplacementWidthFactor = 6;

}  // namespace tallies
