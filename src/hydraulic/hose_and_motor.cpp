#include "hydraulic/hose_and_motor.h"

#include "hydraulic/circle_area.h"
#include "hydraulic/gear_housing.h"
#include "hydraulic/hydraulic_constants.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/circular.h"
#include "numeric/single.h"

namespace tallies {

float OilVelocity(double insideDiameter, double gpm) {
  const double area = CircleArea(insideDiameter);
  return NarrowToSingle(Quotient(gpm * kFlowToFeetPerSecond, area));
}

float TorqueFromDisplacement(double psi, double displacement) {
  const double product = CheckPoint(psi * displacement);
  return NarrowToSingle(product / kTorqueDivisor);
}

float ForceAtAngle(double force, double angleDegrees) {
  const double radians = CheckPoint(angleDegrees / kDegreesPerHalfTurn * kCircleConstant);
  // The sine is narrowed before it scales the force, so 30 degrees gives exactly
  // half the force; 180 degrees leaves a tiny positive sine, since the circle
  // constant is a little below pi. The program's own correctly rounded sine
  // gives the same digits on every platform.
  const double sine = NarrowToSingle(Sine(radians));
  return NarrowToSingle(force * sine);
}

float GearPumpFlow(double d, double l, double w, double rpm) {
  const double perRevolution =
      NarrowToSingle(GearHousingProduct(d, l, w, kGearFlowWidthFactor) / kGearFlowDivisor);
  return NarrowToSingle(rpm * perRevolution);
}

float GearPumpDisplacement(double d, double l, double w) {
  return NarrowToSingle(GearHousingProduct(d, l, w, kGearDisplacementWidthFactor));
}

}  // namespace tallies
