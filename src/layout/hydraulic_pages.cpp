// The window's own controls, its tab sets and the pages of the hydraulic tab
// set, as laid out in the window design: one row per control.

#include "layout/control_layout.h"

namespace tallies {
namespace {

using Kind = ControlKind;
using Bg = Background;

// The controls placed directly on the window. Label3's caption is completed
// with the site name when the window is built.
constexpr ControlRow kWindowControls[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Image1", Kind::kPicture, "", -240, 0, 7200, 720, 0, Bg::kDefault, Picture::kBanner},
    {"Label3", Kind::kLinkLabel, "Go to ", 2280, 840, 2175, 255, 2, Bg::kWindowGrey},
    {"optHyd", Kind::kOptionButton, "Hydraulic Tallies", 120, 840, 1815, 255, 82, Bg::kWindowGrey},
    {"optGen", Kind::kOptionButton, "General Tallies", 120, 1080, 1815, 255, 83, Bg::kWindowGrey},
    {"cmdAbout", Kind::kButton, "About", 6120, 840, 615, 255, 32, Bg::kDefault},
    {"SSTabHyd", Kind::kTabSet, "", 120, 1560, 6645, 4380, 3, Bg::kWindowGrey},
    {"SSTabGen", Kind::kTabSet, "", 120, 1560, 6645, 4380, 84, Bg::kWindowGrey},
    // The units choice, beyond the design: in the free band between the About button and the
    // tab sets, right-aligned with the About button, and last in the keyboard order (250 is the
    // first number after the design's), so no designed control moves or is renumbered.
    {"lblUnits", Kind::kCaption, "&Units", 5040, 1170, 555, 255, 0, Bg::kWindowGrey},
    {"cboUnits", Kind::kList, "US", 5640, 1140, 1095, 315, 250, Bg::kDefault},
    // The History button, beyond the design: left of the About button in its row, as high as
    // it, and after the units in the keyboard order.
    {"cmdHistory", Kind::kButton, "&History...", 5040, 840, 975, 255, 251, Bg::kDefault},
};

constexpr std::string_view kHydraulicCaptions[] = {
    "Pump Horsepower",           "Cylinder Area, Force, Speed", "Torque and Horsepower",
    "Oil Velocity in Hose/Pipe", "Torque and Displacement",     "Angle/Force Relation",
    "Pump GPM - C.I.R. Disp.",
};
// "Mass Conversion " and "Temperature " end with a blank.
constexpr std::string_view kGeneralCaptions[] = {
    "Length Conversions", "Volume Conversion", "Mass Conversion ", "Area",
    "Temperature ",       "Misc Thickness",
};
constexpr std::string_view kMassCaptions[] = {"Weight", "Weight Per Length",
                                              "Per Volume (Density)"};

constexpr TabSetLayout kTabSets[] = {
    {"SSTabHyd", "frmMain", -1, kHydraulicCaptions, 5, Bg::kWindowGrey},
    {"SSTabGen", "frmMain", -1, kGeneralCaptions, 5, Bg::kWindowGrey},
    {"SSTab1", "SSTabGen", 2, kMassCaptions, 3, Bg::kDefault},
};

// Tab 0 of SSTabHyd, "Pump Horsepower".
constexpr ControlRow kPumpHorsepowerPage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"lblHPREQ", Kind::kCaption, "Horsepower Required to Drive a Pump", 240, 2556, 2895, 255, 9,
     Bg::kToolTip},
    {"Label4", Kind::kCaption, "Gallons Per Minute", 240, 2796, 1455, 255, 8, Bg::kWindowGrey},
    {"lblPSI", Kind::kCaption, "PSI", 2040, 2796, 375, 255, 10, Bg::kWindowGrey},
    {"Label5", Kind::kCaption, "Horsepower Required", 4680, 2796, 1695, 255, 7, Bg::kWindowGrey},
    {"lblHP", Kind::kResult, "", 4680, 3036, 1095, 255, 11, Bg::kResult},
    {"txtGPM", Kind::kField, "", 240, 3039, 735, 285, 6, Bg::kDefault},
    {"txtPSI", Kind::kField, "", 2040, 3039, 975, 285, 5, Bg::kDefault},
    {"cmdHP", Kind::kButton, "Calc", 3360, 3039, 855, 255, 4, Bg::kDefault},
};

// Tab 1 of SSTabHyd, "Cylinder Area, Force, Speed".
constexpr ControlRow kCylinderPage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Label15", Kind::kCaption, "Cylinder Area  -  Force  -  Speed", 360, 1560, 4215, 255, 30,
     Bg::kDefault},
    {"Label7", Kind::kCaption, "Diameter of Cylinder", 360, 1920, 1455, 255, 15, Bg::kWindowGrey},
    {"Label6", Kind::kCaption, "Area (sq. in.)", 4920, 1920, 1095, 255, 16, Bg::kDefault},
    {"txtDIA", Kind::kField, "", 360, 2160, 735, 285, 12, Bg::kDefault},
    {"cmdArea", Kind::kButton, "Calc", 3360, 2160, 855, 255, 13, Bg::kDefault},
    {"lblArea", Kind::kResult, "", 4920, 2160, 1095, 255, 14, Bg::kResult},
    {"Label8", Kind::kCaption, "Area", 360, 2520, 975, 255, 18, Bg::kDefault},
    {"Label9", Kind::kCaption, "PSI", 1680, 2520, 975, 255, 20, Bg::kDefault},
    {"Label12", Kind::kCaption, "Force (lbs.)", 4920, 2520, 1095, 255, 24, Bg::kDefault},
    {"txtArea1", Kind::kField, "", 360, 2760, 735, 285, 17, Bg::kDefault},
    {"txtPSI1", Kind::kField, "", 1680, 2760, 735, 285, 19, Bg::kDefault},
    {"cmdForce", Kind::kButton, "Calc", 3360, 2760, 855, 255, 21, Bg::kDefault},
    {"lblForce", Kind::kResult, "", 4920, 2760, 1095, 255, 23, Bg::kResult},
    {"Label13", Kind::kCaption, "Area", 360, 3120, 855, 255, 26, Bg::kDefault},
    {"Label14", Kind::kCaption, "Gallons Per Minute", 1680, 3120, 1455, 255, 28, Bg::kDefault},
    {"Label10", Kind::kCaption, "Cyl. Speed (ft./sec.)", 4920, 3120, 1695, 255, 22,
     Bg::kWindowGrey},
    {"txtArea2", Kind::kField, "", 360, 3360, 735, 285, 25, Bg::kDefault},
    {"txtGPM1", Kind::kField, "", 1680, 3360, 735, 285, 27, Bg::kDefault},
    {"cmdSpeed", Kind::kButton, "Calc", 3360, 3360, 855, 255, 31, Bg::kDefault},
    {"lblCylSpeed", Kind::kResult, "", 4920, 3360, 1095, 255, 29, Bg::kResult},
};

// Tab 2 of SSTabHyd, "Torque and Horsepower".
constexpr ControlRow kTorqueHorsepowerPage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Label18", Kind::kCaption, "Torque and Horsepower Relations", 960, 1680, 3735, 255, 39,
     Bg::kDefault},
    {"Label19", Kind::kCaption, "Enter any two to solve for the third", 960, 2160, 3135, 255, 40,
     Bg::kDefault},
    {"cmdTR", Kind::kButton, "Calc", 2880, 2760, 855, 255, 41, Bg::kDefault},
    {"Label11", Kind::kCaption, "Torque (ft./lbs.)", 960, 3120, 1455, 255, 34, Bg::kDefault},
    {"Label16", Kind::kCaption, "Horsepower", 2880, 3120, 1215, 255, 36, Bg::kDefault},
    {"Label17", Kind::kCaption, "RPM", 4800, 3120, 975, 255, 38, Bg::kDefault},
    {"txtTorque", Kind::kField, "", 960, 3360, 855, 285, 33, Bg::kDefault},
    {"txtHP2", Kind::kField, "", 2880, 3360, 855, 285, 35, Bg::kDefault},
    {"txtRPM", Kind::kField, "", 4800, 3360, 855, 285, 37, Bg::kDefault},
};

// Tab 3 of SSTabHyd, "Oil Velocity in Hose/Pipe".
constexpr ControlRow kOilVelocityPage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Label20", Kind::kCaption, "Inside Diameter of Hose/Pipe", 360, 2805, 2175, 255, 43,
     Bg::kDefault},
    {"Label21", Kind::kCaption, "Gallons Per Minute", 2640, 2805, 1455, 255, 45, Bg::kDefault},
    {"Label22", Kind::kCaption, "Velocity (ft./sec.)", 5160, 2805, 1215, 255, 48, Bg::kDefault},
    {"txtIDVel", Kind::kField, "", 360, 3039, 855, 285, 42, Bg::kDefault},
    {"txtGPMVel", Kind::kField, "", 2640, 3039, 855, 285, 44, Bg::kDefault},
    {"Command1", Kind::kButton, "Calc", 3840, 3039, 855, 255, 46, Bg::kDefault},
    {"lblVelocity", Kind::kResult, "", 5160, 3039, 975, 255, 47, Bg::kResult},
};

// Tab 4 of SSTabHyd, "Torque and Displacement".
constexpr ControlRow kTorqueDisplacementPage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Label23", Kind::kCaption, "Displacement (cu./rev.)", 360, 2760, 1815, 255, 50, Bg::kDefault},
    {"Label24", Kind::kCaption, "PSI", 2280, 2760, 1215, 255, 52, Bg::kDefault},
    {"Label25", Kind::kCaption, "Torque(ft./lbs.)", 5040, 2760, 1215, 255, 55, Bg::kDefault},
    {"txtDispTor", Kind::kField, "", 360, 3000, 975, 285, 49, Bg::kDefault},
    {"txtPSITor", Kind::kField, "", 2280, 3000, 975, 285, 51, Bg::kDefault},
    {"cmdTorqueDisplacement", Kind::kButton, "Calc", 3600, 3000, 855, 255, 53, Bg::kDefault},
    {"lblTorqueTor", Kind::kResult, "", 5040, 3000, 1095, 255, 54, Bg::kResult},
};

// Tab 5 of SSTabHyd, "Angle/Force Relation".
constexpr ControlRow kAngleForcePage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Picture2", Kind::kPicture, "", 3480, 1440, 2535, 1935, 249, Bg::kDefault,
     Picture::kCylinderAngle},
    {"Label28", Kind::kCaption,
     "Effective force of a cylinder working at an angle to direction of the load travel", 480, 1680,
     2295, 855, 60, Bg::kDefault},
    {"Label26", Kind::kCaption, "Total Force of Cyl", 480, 3600, 1335, 255, 57, Bg::kDefault},
    {"Label27", Kind::kCaption, "Angle", 2040, 3600, 1455, 255, 59, Bg::kDefault},
    {"Label29", Kind::kCaption, "Force at Angle", 4800, 3600, 1455, 255, 63, Bg::kDefault},
    {"txtTotalForce", Kind::kField, "", 480, 3840, 975, 285, 56, Bg::kDefault},
    {"txtAngleAng", Kind::kField, "", 2040, 3840, 975, 285, 58, Bg::kDefault},
    {"cmdForceAngle", Kind::kButton, "Calc", 3360, 3840, 855, 255, 61, Bg::kDefault},
    {"lblForceAng", Kind::kResult, "", 4800, 3840, 1095, 255, 62, Bg::kResult},
};

// Tab 6 of SSTabHyd, "Pump GPM - C.I.R. Disp.".
constexpr ControlRow kGearPumpPage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Label30", Kind::kCaption, "Gear Pumps and Motors", 4200, 1320, 1815, 255, 65, Bg::kDefault},
    {"Label34", Kind::kCaption, "W", 120, 1440, 495, 255, 70, Bg::kDefault},
    {"txtW", Kind::kField, "", 720, 1440, 1095, 285, 69, Bg::kDefault},
    {"Picture1", Kind::kPicture, "", 2160, 1440, 1575, 1815, 64, Bg::kDefault, Picture::kGearPump},
    {"Label31", Kind::kCaption, "1. Measure gear width, W.", 3960, 1680, 2175, 255, 66,
     Bg::kDefault},
    {"Label35", Kind::kCaption, "D", 240, 1920, 375, 255, 72, Bg::kDefault},
    {"txtD", Kind::kField, "", 720, 1920, 1095, 285, 71, Bg::kDefault},
    {"Label32", Kind::kCaption, "2. Measure bore diameter of one of the gear chambers: this is D.",
     3960, 2040, 2295, 615, 67, Bg::kDefault},
    {"Label36", Kind::kCaption, "L", 120, 2400, 495, 255, 74, Bg::kDefault},
    {"txtL", Kind::kField, "", 720, 2400, 1095, 285, 73, Bg::kDefault},
    {"Label33", Kind::kCaption, "3. Measure distance across both gear chambers: this is L.", 3960,
     2640, 2175, 495, 68, Bg::kDefault},
    {"Label37", Kind::kCaption, "RPM", 120, 2880, 495, 255, 76, Bg::kDefault},
    {"txtRPMpump", Kind::kField, "", 720, 2880, 1095, 285, 75, Bg::kDefault},
    {"Label38", Kind::kCaption, "Gallons per Minute", 2280, 3480, 1455, 255, 79, Bg::kDefault},
    {"Label39", Kind::kCaption, "C.I.R. Displacement", 4200, 3480, 1575, 255, 81, Bg::kDefault},
    {"cmdPumpMotorGPM", Kind::kButton, "Calc", 720, 3720, 855, 255, 77, Bg::kDefault},
    {"lblGPMpump", Kind::kResult, "", 2280, 3720, 1215, 255, 78, Bg::kResult},
    {"lblCIR", Kind::kResult, "", 4200, 3720, 1215, 255, 80, Bg::kResult},
};

constexpr PageLayout kHydraulicPages[] = {
    {"SSTabHyd", 0, kPumpHorsepowerPage},     {"SSTabHyd", 1, kCylinderPage},
    {"SSTabHyd", 2, kTorqueHorsepowerPage},   {"SSTabHyd", 3, kOilVelocityPage},
    {"SSTabHyd", 4, kTorqueDisplacementPage}, {"SSTabHyd", 5, kAngleForcePage},
    {"SSTabHyd", 6, kGearPumpPage},
};

}  // namespace

std::span<const ControlRow> WindowControls() { return kWindowControls; }
std::span<const TabSetLayout> TabSets() { return kTabSets; }
std::span<const PageLayout> HydraulicPages() { return kHydraulicPages; }

}  // namespace tallies
