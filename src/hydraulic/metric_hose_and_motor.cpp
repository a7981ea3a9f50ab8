#include "hydraulic/metric_hose_and_motor.h"

#include <cmath>

#include "hydraulic/gear_housing.h"
#include "hydraulic/metric_constants.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/circular.h"
#include "numeric/single.h"

namespace tallies {

float OilVelocityMetresPerSecond(double insideDiameterMillimetres, double litresPerMinute) {
  const double radius = insideDiameterMillimetres / kDiameterToRadius;
  const double boreSquareMillimetres = std::pow(radius, 2.0) * kCircleConstant;
  return NarrowToSingle(
      Quotient(litresPerMinute * kVelocityFlowFactor, kSecondsPerMinute * boreSquareMillimetres));
}

float TorqueFromDisplacementNewtonMetres(double bar, double cubicCentimetres) {
  return NarrowToSingle(bar * cubicCentimetres / kMetricTorqueDivisor);
}

float ForceAtAngleKilonewtons(double kilonewtons, double angleDegrees) {
  const double radians = CheckPoint(angleDegrees / kDegreesPerHalfTurn * kCircleConstant);
  return NarrowToSingle(kilonewtons * Sine(radians));
}

float GearPumpLitresPerMinute(double d, double l, double w, double rpm) {
  // The design's gallons per revolution, 47 × P / 1800, worked on a housing product in mm³;
  // 231 in³ per gallon over 1 000 000 mm³ per litre turns it into litres exactly.
  const double designedFigure =
      GearHousingProduct(d, l, w, kGearFlowWidthFactor) / kGearFlowDivisor;
  const double litresPerRevolution =
      designedFigure * kCubicInchesPerGallon / kCubicMillimetresPerLitre;
  return NarrowToSingle(rpm * litresPerRevolution);
}

float GearPumpCubicCentimetres(double d, double l, double w) {
  return NarrowToSingle(GearHousingProduct(d, l, w, kGearDisplacementWidthFactor) /
                        kCubicMillimetresPerCubicCentimetre);
}

}  // namespace tallies
