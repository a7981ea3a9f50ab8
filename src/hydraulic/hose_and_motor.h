#pragma once

// The oil velocity in a hose, the torque from displacement, the force of a
// cylinder at an angle and the gear pump's flow and displacement. Arguments are
// Single values held in doubles (but for the angle, which stays a Double); each
// result is narrowed to Single once, at its check point.

namespace tallies {

// Oil velocity (feet per second) from the inside diameter (inches) and the flow
// (gallons per minute). The bore is a Single area, as on the piston area row; a
// diameter too small for that area to be non-zero divides by zero like 0.
float OilVelocity(double insideDiameter, double gpm);

// Torque (pound-feet) from the pressure (PSI) and the displacement (cubic inches per
// revolution); the product is a check point of its own.
float TorqueFromDisplacement(double psi, double displacement);

// The effective force (pounds) of a total force at an angle (degrees from the base line).
float ForceAtAngle(double force, double angleDegrees);

// The gear pump's flow (gallons per minute) and displacement (cubic inches per
// revolution) from the gear diameter D, the housing length L, the gear width W (inches)
// and, for the flow, the speed (RPM). The flow comes from the measurements with its own
// constants, not from the displacement.
float GearPumpFlow(double d, double l, double w, double rpm);
float GearPumpDisplacement(double d, double l, double w);

}  // namespace tallies
