#include "hydraulic/pump_cylinder_buttons.h"

#include <string>

#include "controls/field_access.h"
#include "hydraulic/circle_area.h"
#include "hydraulic/hydraulic_constants.h"
#include "hydraulic/result_text.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/single.h"

// Every input is narrowed to Single as it is read and then held exactly in a
// double, so each formula runs in double precision on the Single values. Each
// result is narrowed to Single once, at the end of its formula; that narrowing
// is the check point, and it comes before the result is written.

namespace tallies {
namespace {

// Hydraulic horsepower = gallons per minute * pounds per square inch / 1714.
constexpr double kHorsepowerDivisor = 1714;

// The cylinder speed is shown to 5 decimal places.
constexpr int kSpeedDecimals = 5;

}  // namespace

void cmdHP_Click(Controls& form) {
  const double gpm = ReadSingle(form, "txtGPM");
  const double psi = ReadSingle(form, "txtPSI");
  const float hp = NarrowToSingle(gpm * psi / kHorsepowerDivisor);
  form.SetCaption("lblHP", ResultText(form, hp));
}

void cmdArea_Click(Controls& form) {
  const double diameter = ReadSingle(form, "txtDIA");
  const float area = CircleArea(diameter);
  // One click prepares both rows below: the force and speed rows work from the
  // same 7 digits the user sees in the label.
  const std::string text = ResultText(form, area);
  form.SetCaption("lblArea", text);
  form.SetText("txtArea1", text);
  form.SetText("txtArea2", text);
}

void cmdForce_Click(Controls& form) {
  const double area = ReadSingle(form, "txtArea1");
  const double psi = ReadSingle(form, "txtPSI1");
  const float force = NarrowToSingle(area * psi);
  form.SetCaption("lblForce", ResultText(form, force));
}

void cmdSpeed_Click(Controls& form) {
  const double area = ReadSingle(form, "txtArea2");
  const double gpm = ReadSingle(form, "txtGPM1");
  // An area that reads as 0 is a division by zero (0 / 0 with no flow either).
  const float speed = NarrowToSingle(Quotient(gpm * kFlowToFeetPerSecond, area));
  const float shown = RoundToDecimals(speed, kSpeedDecimals);
  form.SetCaption("lblCylSpeed", ResultText(form, shown));
}

}  // namespace tallies
