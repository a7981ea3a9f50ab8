#include "hydraulic/torque_horsepower_button.h"

#include "controls/field_access.h"
#include "hydraulic/result_text.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/field_number.h"
#include "numeric/single.h"

namespace tallies {
namespace {

// Horsepower = torque (pound-feet) * speed (revolutions per minute) / 5252.
constexpr double kTorqueSpeedPerHorsepower = 5252;

}  // namespace

void cmdTR_Click(Controls& form) {
  // The direction depends only on which fields hold no text at all: a blank or
  // a 0 counts as filled. Values are read narrowed to Single and held in a
  // double, so each formula runs in double precision, multiplied first.
  if (IsFieldEmpty(form.Text("txtTorque"))) {
    const double hp = ReadSingle(form, "txtHP2");
    const double rpm = ReadSingle(form, "txtRPM");
    const float torque = NarrowToSingle(Quotient(hp * kTorqueSpeedPerHorsepower, rpm));
    form.SetText("txtTorque", ResultText(form, torque));
  } else if (IsFieldEmpty(form.Text("txtHP2"))) {
    const double rpm = ReadSingle(form, "txtRPM");
    const double torque = ReadSingle(form, "txtTorque");
    const float hp = NarrowToSingle(torque * rpm / kTorqueSpeedPerHorsepower);
    form.SetText("txtHP2", ResultText(form, hp));
  } else if (IsFieldEmpty(form.Text("txtRPM"))) {
    const double torque = ReadSingle(form, "txtTorque");
    const double hp = ReadSingle(form, "txtHP2");
    const float rpm = NarrowToSingle(Quotient(hp * kTorqueSpeedPerHorsepower, torque));
    form.SetText("txtRPM", ResultText(form, rpm));
  } else {
    // All three filled: the click starts a new problem.
    form.SetText("txtTorque", "");
    form.SetText("txtHP2", "");
    form.SetText("txtRPM", "");
  }
}

}  // namespace tallies
