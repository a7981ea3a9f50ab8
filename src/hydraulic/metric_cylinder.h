#pragma once

// The pump and cylinder calculators in metric units. As in US units, every argument is a value
// the window has narrowed to Single, each formula runs in double precision, and each result is
// narrowed to Single once, at the end: that narrowing is the check point.

namespace tallies {

// Hydraulic power (kilowatts) from the flow (litres per minute) and the pressure (bar).
float PumpKilowatts(double litresPerMinute, double bar);

// The piston area (square centimetres) from its diameter (millimetres).
float PistonAreaSquareCentimetres(double diameterMillimetres);

// The cylinder force (kilonewtons) from the piston area (square centimetres) and the pressure.
float CylinderForceKilonewtons(double squareCentimetres, double bar);

// The cylinder speed (metres per second) from the piston area (square centimetres) and the flow
// (litres per minute), rounded to kSpeedDecimals places. An area of 0 is a division by zero
// (0 / 0 with no flow either).
float CylinderSpeedMetresPerSecond(double squareCentimetres, double litresPerMinute);

}  // namespace tallies
