#include "hydraulic/hydraulic_buttons.h"

#include <array>

#include "hydraulic/angle_gear_pump_buttons.h"
#include "hydraulic/pump_cylinder_buttons.h"
#include "hydraulic/torque_horsepower_button.h"
#include "hydraulic/velocity_torque_buttons.h"

namespace tallies {
namespace {

constexpr std::array kHydraulicButtons{
    ButtonHandler{"cmdHP", &cmdHP_Click},
    ButtonHandler{"cmdArea", &cmdArea_Click},
    ButtonHandler{"cmdForce", &cmdForce_Click},
    ButtonHandler{"cmdSpeed", &cmdSpeed_Click},
    ButtonHandler{"cmdTR", &cmdTR_Click},
    ButtonHandler{"Command1", &Command1_Click},
    ButtonHandler{"cmdTorqueDisplacement", &cmdTorqueDisplacement_Click},
    ButtonHandler{"cmdForceAngle", &cmdForceAngle_Click},
    ButtonHandler{"cmdPumpMotorGPM", &cmdPumpMotorGPM_Click},
};

}  // namespace

std::span<const ButtonHandler> HydraulicButtons() { return kHydraulicButtons; }

}  // namespace tallies
