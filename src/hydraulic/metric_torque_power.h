#pragma once

// The torque, power and shaft speed relation in metric units (newton metres, kilowatts,
// revolutions per minute), one function for each of the three it solves: kW = N·m × rpm ÷
// (60 000 ÷ 2π). Arguments are Single values held in doubles; the formula runs in double
// precision, multiplied first, and its result is narrowed once.

namespace tallies {

// Torque (N·m) from power (kW) and speed (rpm); a speed of 0 is a division by zero.
float TorqueFromKilowatts(double kilowatts, double rpm);

// Power (kW) from the speed (rpm) and the torque (N·m).
float KilowattsFromTorque(double rpm, double newtonMetres);

// Speed (rpm) from power (kW) and torque (N·m); a torque of 0 is a division by zero.
float SpeedFromKilowatts(double kilowatts, double newtonMetres);

}  // namespace tallies
