#include "hydraulic/metric_cylinder.h"

#include <cmath>

#include "hydraulic/metric_constants.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/single.h"

namespace tallies {

float PumpKilowatts(double litresPerMinute, double bar) {
  return NarrowToSingle(litresPerMinute * bar / kLitreBarPerKilowatt);
}

float PistonAreaSquareCentimetres(double diameterMillimetres) {
  const double radius = diameterMillimetres / kDiameterToRadius;
  // Squared as the US area squares (pow with exponent 2 gives exactly r * r); the area in mm²
  // is not narrowed, so the one narrowing is that of the result in cm².
  const double squareMillimetres = std::pow(radius, 2.0) * kCircleConstant;
  return NarrowToSingle(squareMillimetres / kSquareMillimetresPerSquareCentimetre);
}

float CylinderForceKilonewtons(double squareCentimetres, double bar) {
  return NarrowToSingle(squareCentimetres * bar / kSquareCentimetreBarPerKilonewton);
}

float CylinderSpeedMetresPerSecond(double squareCentimetres, double litresPerMinute) {
  const float speed = NarrowToSingle(
      Quotient(litresPerMinute, kLitresPerMinutePerCentimetreSpeed * squareCentimetres));
  return RoundToDecimals(speed, kSpeedDecimals);
}

}  // namespace tallies
