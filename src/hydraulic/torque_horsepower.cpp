#include "hydraulic/torque_horsepower.h"

#include "hydraulic/hydraulic_constants.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/single.h"

namespace tallies {

float TorqueFromHorsepower(double hp, double rpm) {
  return NarrowToSingle(Quotient(hp * kTorqueSpeedPerHorsepower, rpm));
}

float HorsepowerFromTorque(double rpm, double torque) {
  return NarrowToSingle(torque * rpm / kTorqueSpeedPerHorsepower);
}

float SpeedFromHorsepower(double hp, double torque) {
  return NarrowToSingle(Quotient(hp * kTorqueSpeedPerHorsepower, torque));
}

}  // namespace tallies
