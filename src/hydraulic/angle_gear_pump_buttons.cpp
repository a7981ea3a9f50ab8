#include "hydraulic/angle_gear_pump_buttons.h"

#include "controls/field_access.h"
#include "hydraulic/hydraulic_constants.h"
#include "hydraulic/result_text.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/circular.h"
#include "numeric/single.h"

// Inputs narrowed to Single are held exactly in a double, so every step below
// runs in double precision on the Single values; where a step narrows, later
// steps use that Single.

namespace tallies {
namespace {

// Degrees in half a turn: radians = degrees / 180 * circle constant.
constexpr double kDegreesPerHalfTurn = 180;

// Gear pump: flow per revolution in gallons uses 47 with the gear width and
// 1800 as divisor; the displacement in cubic inches uses 6 and no divisor.
constexpr double kGearFlowWidthFactor = 47;
constexpr double kGearFlowDivisor = 1800;
constexpr double kGearDisplacementWidthFactor = 6;

// The housing product of both gear pump results, step by step in this order:
// the overlap of the two chambers (d + d) - l, times the weighted gear width,
// times half the distance between the gear centres (l - d) / 2.
double GearHousingProduct(double d, double l, double w, double widthFactor) {
  const double overlap = (d + d) - l;
  const double weightedWidth = w * widthFactor;
  const double partial = overlap * weightedWidth;
  const double halfCentres = (l - d) / 2;
  return partial * halfCentres;
}

}  // namespace

void cmdForceAngle_Click(Controls& form) {
  const double force = ReadSingle(form, "txtTotalForce");
  // The angle alone is not narrowed: it stays a Double.
  const double angle = ReadDouble(form, "txtAngleAng");
  const double radians = CheckPoint(angle / kDegreesPerHalfTurn * kCircleConstant);
  // The sine is narrowed before it scales the force, so 30 degrees gives exactly
  // half the force; 180 degrees leaves a tiny positive sine, since the circle
  // constant is a little below pi. The program's own correctly rounded sine
  // gives the same digits on every platform.
  const double sine = NarrowToSingle(Sine(radians));
  const float result = NarrowToSingle(force * sine);
  form.SetCaption("lblForceAng", ResultText(form, result));
}

void cmdPumpMotorGPM_Click(Controls& form) {
  const double d = ReadSingle(form, "txtD");
  const double l = ReadSingle(form, "txtL");
  const double w = ReadSingle(form, "txtW");
  const double rpm = ReadSingle(form, "txtRPMpump");

  // The flow comes from the measurements with its own constants, not from the
  // displacement, and is shown before the displacement is computed.
  const double perRevolution =
      NarrowToSingle(GearHousingProduct(d, l, w, kGearFlowWidthFactor) / kGearFlowDivisor);
  const float gpm = NarrowToSingle(rpm * perRevolution);
  form.SetCaption("lblGPMpump", ResultText(form, gpm));

  const float displacement =
      NarrowToSingle(GearHousingProduct(d, l, w, kGearDisplacementWidthFactor));
  form.SetCaption("lblCIR", ResultText(form, displacement));
}

}  // namespace tallies
