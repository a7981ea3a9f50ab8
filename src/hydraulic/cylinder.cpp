#include "hydraulic/cylinder.h"

#include "hydraulic/circle_area.h"
#include "hydraulic/hydraulic_constants.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/single.h"

namespace tallies {

float PumpHorsepower(double gpm, double psi) {
  return NarrowToSingle(gpm * psi / kHorsepowerDivisor);
}

float PistonArea(double diameter) { return CircleArea(diameter); }

float CylinderForce(double area, double psi) { return NarrowToSingle(area * psi); }

float CylinderSpeed(double area, double gpm) {
  const float speed = NarrowToSingle(Quotient(gpm * kFlowToFeetPerSecond, area));
  return RoundToDecimals(speed, kSpeedDecimals);
}

}  // namespace tallies
