#include "hydraulic/metric_torque_power.h"

#include "hydraulic/metric_constants.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/single.h"

namespace tallies {

float TorqueFromKilowatts(double kilowatts, double rpm) {
  return NarrowToSingle(Quotient(kilowatts * kTorqueSpeedPerKilowatt, rpm));
}

float KilowattsFromTorque(double rpm, double newtonMetres) {
  return NarrowToSingle(newtonMetres * rpm / kTorqueSpeedPerKilowatt);
}

float SpeedFromKilowatts(double kilowatts, double newtonMetres) {
  return NarrowToSingle(Quotient(kilowatts * kTorqueSpeedPerKilowatt, newtonMetres));
}

}  // namespace tallies
