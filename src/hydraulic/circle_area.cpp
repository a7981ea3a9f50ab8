#include "hydraulic/circle_area.h"

#include <cmath>

#include "hydraulic/hydraulic_constants.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/single.h"

namespace tallies {

float CircleArea(double diameter) {
  const double radius = CheckPoint(diameter / kDiameterToRadius);
  // Square first (pow with exponent 2 gives exactly r * r), then multiply.
  return NarrowToSingle(std::pow(radius, 2.0) * kCircleConstant);
}

}  // namespace tallies
