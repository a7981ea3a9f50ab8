#pragma once

// The oil velocity in a hose, the torque from displacement, the force at an angle and the gear
// pump in metric units. Arguments are Single values held in doubles (but for the angle, which
// stays a Double); each result is narrowed to Single once, at its check point.

namespace tallies {

// Oil velocity (metres per second) from the inside diameter (millimetres) and the flow (litres
// per minute): litres per minute × 1000 ÷ (60 × bore in mm²). Only a diameter of 0 divides by
// zero (0 / 0 with no flow either).
float OilVelocityMetresPerSecond(double insideDiameterMillimetres, double litresPerMinute);

// Torque (N·m) from the pressure (bar) and the displacement (cm³ per revolution).
float TorqueFromDisplacementNewtonMetres(double bar, double cubicCentimetres);

// The effective force (kilonewtons) of a total force at an angle (degrees from the base line),
// with the program's own sine and the designed circle constant. Unlike the US row, which
// narrows the sine before it scales the force, the sine stays a Double: the one narrowing is
// the result's, so the force agrees with F × sin(angle) to the last digit shown.
float ForceAtAngleKilonewtons(double kilonewtons, double angleDegrees);

// The gear pump's flow (litres per minute) and displacement (cm³ per revolution) from the gear
// diameter D, the housing length L and the gear width W in millimetres and, for the flow, the
// speed (rpm): the design's relation carried over exactly (see metric_constants.h).
float GearPumpLitresPerMinute(double d, double l, double w, double rpm);
float GearPumpCubicCentimetres(double d, double l, double w);

}  // namespace tallies
