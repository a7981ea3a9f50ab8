#pragma once

// The torque, horsepower and shaft speed relation, one function for each of the
// three it can solve. Arguments are Single values held in doubles; the formula
// runs in double precision, multiplied first, and its result is narrowed once.

namespace tallies {

// Torque (pound-feet) from horsepower and speed (RPM); a speed of 0 is a division by zero.
float TorqueFromHorsepower(double hp, double rpm);

// Horsepower from the speed (RPM) and the torque (pound-feet).
float HorsepowerFromTorque(double rpm, double torque);

// Speed (RPM) from horsepower and torque; a torque of 0 is a division by zero.
float SpeedFromHorsepower(double hp, double torque);

}  // namespace tallies
