#pragma once

#include "hydraulic/hydraulic_constants.h"

// The constants of the metric calculators. Each follows exactly from the SI definitions of the
// units (a litre is 1/1000 m³, a bar 100 000 Pa); none is a rounded trade figure. The circle
// constant is the designed one, kCircleConstant, so both systems agree on every circle.

namespace tallies {

// Pump power: litres per minute times bar over 600 gives kilowatts
// (1/60 000 m³/s × 100 000 Pa = 5/3 W = 1/600 kW).
inline constexpr double kLitreBarPerKilowatt = 600;

// Square millimetres in a square centimetre: the piston area is shown in cm².
inline constexpr double kSquareMillimetresPerSquareCentimetre = 100;

// Force: square centimetres times bar over 100 gives kilonewtons
// (1/10 000 m² × 100 000 Pa = 10 N = 1/100 kN).
inline constexpr double kSquareCentimetreBarPerKilonewton = 100;

// Cylinder speed: litres per minute over 6 times the area in cm² gives metres per second
// (1/60 000 m³/s over 1/10 000 m² = 1/6 m/s). Shown to kSpeedDecimals places, as in US units.
inline constexpr double kLitresPerMinutePerCentimetreSpeed = 6;

// Power from torque and speed: kW = N·m × rpm × 2π / 60 s / 1000 W, so the torque-speed
// product of one kilowatt is 60 000 / 2π.
inline constexpr double kWattSecondsPerKilowattMinute = 60000;
inline constexpr double kRadiansPerTurnInCircles = 2;
inline constexpr double kTorqueSpeedPerKilowatt =
    kWattSecondsPerKilowattMinute / (kRadiansPerTurnInCircles * kCircleConstant);

// Oil velocity: litres per minute times 1000 over 60 times the bore in mm² gives metres per
// second (1 000 000 mm³ per litre over 60 s, and 1000 mm per metre).
inline constexpr double kVelocityFlowFactor = 1000;
inline constexpr double kSecondsPerMinute = 60;

// Torque from displacement: cm³ per revolution times bar is 1/10 J per revolution
// (1/1 000 000 m³ × 100 000 Pa); over 2π radians that is N·m = cm³/rev × bar ÷ 20π.
inline constexpr double kMetricTorqueDivisorCircles = 20;
inline constexpr double kMetricTorqueDivisor = kMetricTorqueDivisorCircles * kCircleConstant;

// The gear pump keeps the design's empirical relation (kGearFlowWidthFactor 47 and
// kGearFlowDivisor 1800 for gallons, kGearDisplacementWidthFactor 6 for cubic inches), with
// D, L and W in millimetres. The housing product P = (2D − L) × W × (L − D) / 2 is a volume:
// in inches it is P_mm / 25.4³ in³, and 25.4³ mm³ = 16 387.064 mm³ is exactly one cubic inch.
//  - Displacement: 6 × P_in in³ × 16.387064 cm³/in³ = 6 × P_mm × 16.387064 / 16 387.064 cm³
//    = 6 × P_mm / 1000 cm³, since a cubic inch is 16.387064 cm³ = 16 387.064 mm³ exactly.
//  - Flow: 47 × P_in / 1800 gallons per revolution × 3.785411784 l/gal
//    = 47 × P_mm / 1800 × 3.785411784 / 16 387.064 l = 47 × P_mm / 1800 × 231 / 1 000 000 l,
//    since the US gallon is 231 in³ exactly (231 × 16 387.064 mm³ = 3 785 411.784 mm³).
inline constexpr double kCubicMillimetresPerCubicCentimetre = 1000;
inline constexpr double kCubicInchesPerGallon = 231;
inline constexpr double kCubicMillimetresPerLitre = 1000000;

}  // namespace tallies
