// The caption that names each field, list and result of the main window, as the window design
// pairs them: for screen readers, a field is announced by this caption.

#include <string_view>

#include "layout/window_model.h"

namespace tallies {
namespace {

struct CaptionLink {
  std::string_view control;
  std::string_view caption;
};

constexpr CaptionLink kCaptions[] = {
    // SSTabHyd tab 0
    {"lblHP", "Label5"},   // Horsepower Required
    {"txtGPM", "Label4"},  // Gallons Per Minute
    {"txtPSI", "lblPSI"},  // PSI
    // SSTabHyd tab 1
    {"txtDIA", "Label7"},        // Diameter of Cylinder
    {"lblArea", "Label6"},       // Area (sq. in.)
    {"txtArea1", "Label8"},      // Area
    {"txtPSI1", "Label9"},       // PSI
    {"lblForce", "Label12"},     // Force (lbs.)
    {"txtArea2", "Label13"},     // Area
    {"txtGPM1", "Label14"},      // Gallons Per Minute
    {"lblCylSpeed", "Label10"},  // Cyl. Speed (ft./sec.)
    // SSTabHyd tab 2
    {"txtTorque", "Label11"},  // Torque (ft./lbs.)
    {"txtHP2", "Label16"},     // Horsepower
    {"txtRPM", "Label17"},     // RPM
    // SSTabHyd tab 3
    {"txtIDVel", "Label20"},     // Inside Diameter of Hose/Pipe
    {"txtGPMVel", "Label21"},    // Gallons Per Minute
    {"lblVelocity", "Label22"},  // Velocity (ft./sec.)
    // SSTabHyd tab 4
    {"txtDispTor", "Label23"},    // Displacement (cu./rev.)
    {"txtPSITor", "Label24"},     // PSI
    {"lblTorqueTor", "Label25"},  // Torque(ft./lbs.)
    // SSTabHyd tab 5
    {"txtTotalForce", "Label26"},  // Total Force of Cyl
    {"txtAngleAng", "Label27"},    // Angle
    {"lblForceAng", "Label29"},    // Force at Angle
    // SSTabHyd tab 6
    {"txtW", "Label34"},        // W
    {"txtD", "Label35"},        // D
    {"txtL", "Label36"},        // L
    {"txtRPMpump", "Label37"},  // RPM
    {"lblGPMpump", "Label38"},  // Gallons per Minute
    {"lblCIR", "Label39"},      // C.I.R. Displacement
    // SSTabGen tab 0
    {"txtin1", "Label40"},  // inch (in)
    {"txtmm1", "Label41"},  // millimeter (mm)
    {"txtft", "Label47"},   // foot (ft)
    {"txtm1", "Label46"},   // meter (m)
    {"txtin2", "Label42"},  // inch (in)
    {"txtcm", "Label43"},   // centimeter (cm)
    {"txtyd", "Label48"},   // yard (yd)
    {"txtm2", "Label49"},   // meter (m)
    {"txtin3", "Label44"},  // inch (in)
    {"txtm", "Label45"},    // meter (m)
    {"txtmi", "Label50"},   // mile (US Statute)
    {"txtkm", "Label51"},   // kilometer (km)
    // SSTabGen tab 1
    {"txtcuin", "Label52"},   // cubic inch (cu in)
    {"txtcum1", "Label53"},   // cubic meter (cu m)
    {"txt11", "Label65"},     // liter
    {"txtgal1", "Label64"},   // gallon U.S. (gal)
    {"txtcuft", "Label56"},   // cubic foot (cu ft)
    {"txtcum2", "Label57"},   // cubic meter (cu m)
    {"txtgal2", "Label66"},   // gallon U.S. (gal)
    {"txtcum4", "Label67"},   // cubic meter (cu m)
    {"txtcuyd", "Label58"},   // cubic yard (cu yd)
    {"txtcum3", "Label59"},   // cubic meter (cu m)
    {"txtl3", "Label69"},     // liter
    {"txtgal3", "Label68"},   // gallon Canada (gal)
    {"txtfloz1", "Label60"},  // fluid ounce (fl oz)
    {"txtml1", "Label61"},    // milliliters (ml)
    {"txtgal4", "Label70"},   // gallon Canada (gal)
    {"txtcum6", "Label71"},   // cubic meter (cu m)
    {"txtfloz2", "Label62"},  // fluid ounce (fl oz)
    {"txtcum5", "Label63"},   // cubic meter (cu m)
    // SSTabGen tab 2
    // SSTabGen tab 3
    {"txtsqin", "Label88"},  // square inch (sq in)
    {"txtsqm2", "Label89"},  // square meter (sq m)
    {"txtac", "Label92"},    // acre (ac)
    {"txtha", "Label93"},    // hectare (ha)
    {"txtsqft", "Label86"},  // square foot (sq ft)
    {"txtsqm1", "Label87"},  // square meter (sq m)
    {"txtsqyd", "Label90"},  // square yard (sq yd)
    {"txtsqm3", "Label91"},  // square meter (sq m)
    // SSTabGen tab 4
    {"txtFahrenheit1", "Label94"},   // Fahrenheit (F)
    {"lblCelsius1", "Label98"},      // Celsius (C)
    {"txtCelsius1", "Label95"},      // Celsius (C)
    {"lblFahrenheit1", "Label99"},   // Fahrenheit (F)
    {"txtFahrenheit2", "Label100"},  // Fahrenheit (F)
    {"lblKelvin1", "Label101"},      // Kelvin (K)
    {"txtKelvin1", "Label96"},       // Kelvin (K)
    {"lblFahrenheit2", "Label102"},  // Fahrenheit (F)
    {"txtCelsius2", "Label97"},      // Celsius (C)
    {"lblKelvin2", "Label104"},      // Kelvin (K)
    {"txtKelvin2", "Label105"},      // Kelvin (K)
    {"lblCelsius2", "Label106"},     // Celsius (C)
    // SSTabGen tab 5
    {"Combo1", "Label103"},         // Sheet Metal Thickness
    {"Combo2", "Label107"},         // Wire Gauge Thickness
    {"lblSteelGauge", "Label103"},  // Sheet Metal Thickness
    {"lblWireGauge", "Label107"},   // Wire Gauge Thickness
    // SSTab1 tab 0
    {"txtlbwm", "Label72"},   // pound (lb)
    {"txtkgwm", "Label73"},   // kilogram (kg)
    {"txttonwm", "Label74"},  // ton, 2000 lb
    {"txtkgwm2", "Label75"},  // kilogram (kg)
    // SSTab1 tab 1
    {"txtklf", "Label78"},   // kip per linear foot (klf)
    {"txtkgm1", "Label79"},  // kilogram per meter (kg/m)
    {"txtplf", "Label80"},   // pound per linear foot (plf)
    {"txtkgm2", "Label81"},  // kilogram per meter (kg/m)
    // SSTab1 tab 2
    {"txtpcf", "Label82"},     // pound per cubic foot (pcf)
    {"txtkgcum1", "Label83"},  // kg per cubicmeter (kg/cu m)
    {"txtlbcuyd", "Label84"},  // pound per cubic yard (lb/cu yd)
    {"txtkgcum2", "Label85"},  // kg per cubicmeter (kg/cu m)
};

}  // namespace

std::string_view CaptionOf(std::string_view control) {
  for (const CaptionLink& link : kCaptions) {
    if (link.control == control) return link.caption;
  }
  return {};
}

}  // namespace tallies
