#pragma once

// The pump and cylinder calculators. Every argument is a value the window has
// already narrowed to Single and holds exactly in a double, so each formula runs
// in double precision on the Single values. Each result is narrowed to Single
// once, at the end of its formula: that narrowing is the check point, and an
// ArithmeticFault thrown there leaves nothing written.

namespace tallies {

// Hydraulic horsepower from the flow (gallons per minute) and the pressure (PSI).
float PumpHorsepower(double gpm, double psi);

// The piston area (square inches) from its diameter (inches); see CircleArea.
float PistonArea(double diameter);

// The cylinder force (pounds) from the piston area (square inches) and the pressure.
float CylinderForce(double area, double psi);

// The cylinder speed (feet per second) from the piston area and the flow, rounded to
// kSpeedDecimals places. An area of 0 is a division by zero (0 / 0 with no flow either).
float CylinderSpeed(double area, double gpm);

}  // namespace tallies
