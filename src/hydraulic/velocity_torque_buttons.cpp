#include "hydraulic/velocity_torque_buttons.h"

#include "controls/field_access.h"
#include "hydraulic/circle_area.h"
#include "hydraulic/hydraulic_constants.h"
#include "hydraulic/result_text.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/single.h"

// Inputs are narrowed to Single as they are read and held exactly in a double,
// so the arithmetic runs in double precision on the Single values.

namespace tallies {
namespace {

// Pressure * cubic inches per revolution over this gives pound-feet: one
// revolution (2 pi) and inches to feet (12), with the program's circle constant.
constexpr double kTorqueDivisor = 24 * kCircleConstant;
// 24 times the circle constant rounds to exactly this Double.
static_assert(kTorqueDivisor == 75.39822368615496);

}  // namespace

void Command1_Click(Controls& form) {
  const double insideDiameter = ReadSingle(form, "txtIDVel");
  const double gpm = ReadSingle(form, "txtGPMVel");
  // The bore is a Single area, as on the piston area row; a diameter too small
  // for that area to be non-zero divides by zero like a diameter of 0.
  const double area = CircleArea(insideDiameter);
  const float velocity = NarrowToSingle(Quotient(gpm * kFlowToFeetPerSecond, area));
  form.SetCaption("lblVelocity", ResultText(form, velocity));
}

void cmdTorqueDisplacement_Click(Controls& form) {
  const double psi = ReadSingle(form, "txtPSITor");
  const double displacement = ReadSingle(form, "txtDispTor");
  const double product = CheckPoint(psi * displacement);
  const float torque = NarrowToSingle(product / kTorqueDivisor);
  form.SetCaption("lblTorqueTor", ResultText(form, torque));
}

}  // namespace tallies
