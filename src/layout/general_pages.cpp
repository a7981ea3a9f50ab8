// The pages of the general tab set and of the mass tab set nested in it, as
// laid out in the window design: one row per control. Several pages repeat a
// unit caption; each label is a control of its own.

#include "layout/control_layout.h"

namespace tallies {
namespace {

using Kind = ControlKind;
using Bg = Background;

// Tab 0 of SSTabGen, "Length Conversions".
constexpr ControlRow kLengthPage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Label40", Kind::kCaption, "inch (in)", 240, 1680, 975, 255, 87, Bg::kDefault},
    {"Label41", Kind::kCaption, "millimeter (mm)", 1920, 1680, 1335, 255, 88, Bg::kDefault},
    {"Label47", Kind::kCaption, "foot (ft)", 3600, 1680, 1095, 255, 104, Bg::kDefault},
    {"Label46", Kind::kCaption, "meter (m)", 5280, 1680, 1095, 255, 103, Bg::kDefault},
    {"txtin1", Kind::kField, "", 240, 1920, 975, 285, 85, Bg::kDefault},
    {"Command2", Kind::kButton, "Calc", 1320, 1920, 495, 255, 89, Bg::kDefault},
    {"txtmm1", Kind::kField, "", 1920, 1920, 975, 285, 86, Bg::kDefault},
    {"txtft", Kind::kField, "", 3600, 1920, 975, 285, 100, Bg::kDefault},
    {"Command5", Kind::kButton, "Calc", 4680, 1920, 495, 255, 102, Bg::kDefault},
    {"txtm1", Kind::kField, "", 5280, 1920, 975, 285, 101, Bg::kDefault},
    {"Label42", Kind::kCaption, "inch (in)", 240, 2520, 975, 255, 93, Bg::kDefault},
    {"Label43", Kind::kCaption, "centimeter (cm)", 1920, 2520, 1455, 255, 94, Bg::kDefault},
    {"Label48", Kind::kCaption, "yard (yd)", 3600, 2520, 1095, 255, 107, Bg::kDefault},
    {"Label49", Kind::kCaption, "meter (m)", 5280, 2520, 975, 255, 108, Bg::kDefault},
    {"txtin2", Kind::kField, "", 240, 2760, 975, 285, 90, Bg::kDefault},
    {"Command3", Kind::kButton, "Calc", 1320, 2760, 495, 255, 92, Bg::kDefault},
    {"txtcm", Kind::kField, "", 1920, 2760, 975, 285, 91, Bg::kDefault},
    {"txtyd", Kind::kField, "", 3600, 2760, 975, 285, 105, Bg::kDefault},
    {"Command6", Kind::kButton, "Calc", 4680, 2760, 495, 255, 109, Bg::kDefault},
    {"txtm2", Kind::kField, "", 5280, 2760, 975, 285, 106, Bg::kDefault},
    {"Label44", Kind::kCaption, "inch (in)", 240, 3360, 1095, 255, 96, Bg::kDefault},
    {"Label45", Kind::kCaption, "meter (m)", 1920, 3360, 1215, 255, 98, Bg::kDefault},
    {"Label50", Kind::kCaption, "mile (US Statute)", 3600, 3360, 1335, 255, 112, Bg::kDefault},
    {"Label51", Kind::kCaption, "kilometer (km)", 5280, 3360, 1095, 255, 113, Bg::kDefault},
    {"txtin3", Kind::kField, "", 240, 3600, 975, 285, 95, Bg::kDefault},
    {"Command4", Kind::kButton, "Calc", 1320, 3600, 495, 255, 99, Bg::kDefault},
    {"txtm", Kind::kField, "", 1920, 3600, 975, 285, 97, Bg::kDefault},
    {"txtmi", Kind::kField, "", 3600, 3600, 975, 285, 110, Bg::kDefault},
    {"Command7", Kind::kButton, "Calc", 4680, 3600, 495, 255, 114, Bg::kDefault},
    {"txtkm", Kind::kField, "", 5280, 3600, 975, 285, 111, Bg::kDefault},
};

// Tab 1 of SSTabGen, "Volume Conversion".
constexpr ControlRow kVolumePage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Label64", Kind::kCaption, "gallon U.S. (gal)", 3480, 1230, 1455, 255, 145, Bg::kDefault},
    {"Label65", Kind::kCaption, "liter", 5040, 1230, 1095, 255, 146, Bg::kDefault},
    {"Label52", Kind::kCaption, "cubic inch (cu in)", 240, 1234, 1215, 255, 118, Bg::kDefault},
    {"Label53", Kind::kCaption, "cubic meter (cu m)", 1800, 1234, 1455, 255, 119, Bg::kDefault},
    {"txtcuin", Kind::kField, "", 240, 1440, 855, 285, 115, Bg::kDefault},
    {"Command8", Kind::kButton, "Calc", 1200, 1440, 495, 255, 116, Bg::kDefault},
    {"txtcum1", Kind::kField, "", 1800, 1440, 855, 285, 117, Bg::kDefault},
    {"Command13", Kind::kButton, "Calc", 4440, 1440, 495, 255, 144, Bg::kDefault},
    {"txt11", Kind::kField, "", 5040, 1440, 855, 285, 142, Bg::kDefault},
    {"txtgal1", Kind::kField, "", 3480, 1474, 855, 285, 143, Bg::kDefault},
    {"Label56", Kind::kCaption, "cubic foot (cu ft)", 240, 1800, 1335, 255, 123, Bg::kDefault},
    {"Label57", Kind::kCaption, "cubic meter (cu m)", 1800, 1800, 1455, 255, 126, Bg::kDefault},
    {"Label67", Kind::kCaption, "cubic meter (cu m)", 5040, 1800, 1335, 255, 151, Bg::kDefault},
    {"Label66", Kind::kCaption, "gallon U.S. (gal)", 3480, 1830, 1335, 255, 150, Bg::kDefault},
    {"txtcuft", Kind::kField, "", 240, 2040, 855, 285, 122, Bg::kDefault},
    {"Command9", Kind::kButton, "Calc", 1200, 2040, 495, 255, 125, Bg::kDefault},
    {"txtcum2", Kind::kField, "", 1800, 2040, 855, 285, 124, Bg::kDefault},
    {"txtgal2", Kind::kField, "", 3480, 2074, 855, 285, 147, Bg::kDefault},
    {"Command14", Kind::kButton, "Calc", 4440, 2074, 495, 255, 149, Bg::kDefault},
    {"txtcum4", Kind::kField, "", 5040, 2074, 855, 285, 148, Bg::kDefault},
    {"Label58", Kind::kCaption, "cubic yard (cu yd)", 240, 2400, 1335, 255, 130, Bg::kDefault},
    {"Label59", Kind::kCaption, "cubic meter (cu m)", 1800, 2400, 1335, 255, 131, Bg::kDefault},
    {"Label68", Kind::kCaption, "gallon Canada (gal)", 3480, 2430, 1455, 255, 155, Bg::kDefault},
    {"Label69", Kind::kCaption, "liter", 5040, 2430, 975, 255, 156, Bg::kDefault},
    {"txtcuyd", Kind::kField, "", 240, 2640, 855, 285, 127, Bg::kDefault},
    {"Command10", Kind::kButton, "Calc", 1200, 2640, 495, 255, 129, Bg::kDefault},
    {"txtcum3", Kind::kField, "", 1800, 2640, 855, 285, 128, Bg::kDefault},
    {"Command15", Kind::kButton, "Calc", 4440, 2640, 495, 255, 154, Bg::kDefault},
    {"txtl3", Kind::kField, "", 5040, 2640, 855, 285, 153, Bg::kDefault},
    {"txtgal3", Kind::kField, "", 3480, 2674, 855, 285, 152, Bg::kDefault},
    {"Label60", Kind::kCaption, "fluid ounce (fl oz)", 240, 3000, 1455, 255, 135, Bg::kDefault},
    {"Label61", Kind::kCaption, "milliliters (ml)", 1800, 3000, 855, 255, 136, Bg::kDefault},
    {"Label70", Kind::kCaption, "gallon Canada (gal)", 3480, 3030, 1455, 255, 160, Bg::kDefault},
    {"Label71", Kind::kCaption, "cubic meter (cu m)", 5040, 3030, 1335, 255, 161, Bg::kDefault},
    {"txtfloz1", Kind::kField, "", 240, 3240, 855, 285, 132, Bg::kDefault},
    {"Command11", Kind::kButton, "Calc", 1200, 3240, 495, 255, 134, Bg::kDefault},
    {"txtml1", Kind::kField, "", 1800, 3240, 855, 285, 133, Bg::kDefault},
    {"txtgal4", Kind::kField, "", 3480, 3240, 855, 285, 157, Bg::kDefault},
    {"Command16", Kind::kButton, "Calc", 4440, 3240, 495, 255, 159, Bg::kDefault},
    {"txtcum6", Kind::kField, "", 5040, 3240, 855, 285, 158, Bg::kDefault},
    {"Label62", Kind::kCaption, "fluid ounce (fl oz)", 1920, 3600, 1215, 255, 140, Bg::kDefault},
    {"Label63", Kind::kCaption, "cubic meter (cu m)", 3480, 3600, 1335, 255, 141, Bg::kDefault},
    {"txtfloz2", Kind::kField, "", 1920, 3840, 855, 285, 137, Bg::kDefault},
    {"Command12", Kind::kButton, "Calc", 2880, 3840, 495, 255, 139, Bg::kDefault},
    {"txtcum5", Kind::kField, "", 3480, 3840, 855, 285, 138, Bg::kDefault},
};

// Tab 2 of SSTabGen, "Mass Conversion ".
constexpr ControlRow kMassPage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"SSTab1", Kind::kTabSet, "", 960, 1200, 4695, 3015, 162, Bg::kDefault},
};

// Tab 3 of SSTabGen, "Area".
constexpr ControlRow kAreaPage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Label88", Kind::kCaption, "square inch (sq in)", 240, 1680, 1455, 255, 201, Bg::kDefault},
    {"Label89", Kind::kCaption, "square meter (sq m)", 1920, 1680, 1455, 255, 202, Bg::kDefault},
    {"Label92", Kind::kCaption, "acre (ac)", 3600, 1680, 1215, 255, 211, Bg::kDefault},
    {"Label93", Kind::kCaption, "hectare (ha)", 5280, 1680, 1095, 255, 212, Bg::kDefault},
    {"txtsqin", Kind::kField, "", 240, 1920, 975, 285, 198, Bg::kDefault},
    {"Command25", Kind::kButton, "Calc", 1320, 1920, 495, 255, 200, Bg::kDefault},
    {"txtsqm2", Kind::kField, "", 1920, 1920, 975, 285, 199, Bg::kDefault},
    {"txtac", Kind::kField, "", 3600, 1920, 975, 285, 208, Bg::kDefault},
    {"Command27", Kind::kButton, "Calc", 4680, 1920, 495, 255, 210, Bg::kDefault},
    {"txtha", Kind::kField, "", 5280, 1920, 975, 285, 209, Bg::kDefault},
    {"Label86", Kind::kCaption, "square foot (sq ft)", 240, 2520, 1335, 255, 196, Bg::kDefault},
    {"Label87", Kind::kCaption, "square meter (sq m)", 1920, 2520, 1455, 255, 197, Bg::kDefault},
    {"txtsqft", Kind::kField, "", 240, 2760, 975, 285, 193, Bg::kDefault},
    {"Command24", Kind::kButton, "Calc", 1320, 2760, 495, 255, 194, Bg::kDefault},
    {"txtsqm1", Kind::kField, "", 1920, 2760, 975, 285, 195, Bg::kDefault},
    {"Label90", Kind::kCaption, "square yard (sq yd)", 240, 3360, 1455, 255, 206, Bg::kDefault},
    {"Label91", Kind::kCaption, "square meter (sq m)", 1920, 3360, 1455, 255, 207, Bg::kDefault},
    {"txtsqyd", Kind::kField, "", 240, 3600, 975, 285, 203, Bg::kDefault},
    {"Command26", Kind::kButton, "Calc", 1320, 3600, 495, 255, 205, Bg::kDefault},
    {"txtsqm3", Kind::kField, "", 1920, 3600, 975, 285, 204, Bg::kDefault},
};

// Tab 4 of SSTabGen, "Temperature ".
constexpr ControlRow kTemperaturePage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Label94", Kind::kCaption, "Fahrenheit (F)", 240, 1680, 1575, 255, 216, Bg::kDefault},
    {"Label98", Kind::kCaption, "Celsius (C)", 2040, 1680, 1335, 255, 221, Bg::kDefault},
    {"Label95", Kind::kCaption, "Celsius (C)", 3480, 1680, 1575, 255, 217, Bg::kDefault},
    {"Label99", Kind::kCaption, "Fahrenheit (F)", 5280, 1680, 1095, 255, 224, Bg::kDefault},
    {"txtFahrenheit1", Kind::kField, "", 240, 1920, 975, 285, 213, Bg::kDefault},
    {"Command28", Kind::kButton, "Calc", 1320, 1920, 615, 255, 219, Bg::kDefault},
    {"lblCelsius1", Kind::kResult, "", 2040, 1920, 975, 255, 220, Bg::kResult},
    {"txtCelsius1", Kind::kField, "", 3480, 1920, 975, 285, 214, Bg::kDefault},
    {"Command29", Kind::kButton, "Calc", 4560, 1920, 615, 255, 222, Bg::kDefault},
    {"lblFahrenheit1", Kind::kResult, "", 5280, 1920, 975, 255, 223, Bg::kResult},
    {"Label100", Kind::kCaption, "Fahrenheit (F)", 240, 2520, 1335, 255, 229, Bg::kDefault},
    {"Label101", Kind::kCaption, "Kelvin (K)", 2040, 2520, 1215, 255, 230, Bg::kDefault},
    {"Label96", Kind::kCaption, "Kelvin (K)", 3480, 2520, 1575, 255, 218, Bg::kDefault},
    {"Label102", Kind::kCaption, "Fahrenheit (F)", 5280, 2520, 1095, 255, 233, Bg::kDefault},
    {"txtFahrenheit2", Kind::kField, "", 240, 2760, 975, 285, 225, Bg::kDefault},
    {"Command30", Kind::kButton, "Calc", 1320, 2760, 615, 255, 228, Bg::kDefault},
    {"lblKelvin1", Kind::kResult, "", 2040, 2760, 975, 255, 227, Bg::kResult},
    {"txtKelvin1", Kind::kField, "", 3480, 2760, 975, 285, 215, Bg::kDefault},
    {"Command31", Kind::kButton, "Calc", 4560, 2760, 615, 255, 231, Bg::kDefault},
    {"lblFahrenheit2", Kind::kResult, "", 5280, 2760, 975, 255, 232, Bg::kResult},
    {"Label97", Kind::kCaption, "Celsius (C)", 240, 3360, 1095, 255, 234, Bg::kDefault},
    {"Label104", Kind::kCaption, "Kelvin (K)", 2040, 3360, 1335, 255, 237, Bg::kDefault},
    {"Label105", Kind::kCaption, "Kelvin (K)", 3480, 3360, 1335, 255, 241, Bg::kDefault},
    {"Label106", Kind::kCaption, "Celsius (C)", 5280, 3360, 1095, 255, 242, Bg::kDefault},
    {"txtCelsius2", Kind::kField, "", 240, 3600, 975, 285, 226, Bg::kDefault},
    {"Command32", Kind::kButton, "Calc", 1320, 3600, 615, 255, 236, Bg::kDefault},
    {"lblKelvin2", Kind::kResult, "", 2040, 3600, 975, 255, 235, Bg::kResult},
    {"txtKelvin2", Kind::kField, "", 3480, 3600, 975, 285, 238, Bg::kDefault},
    {"Command33", Kind::kButton, "Calc", 4560, 3600, 615, 255, 239, Bg::kDefault},
    {"lblCelsius2", Kind::kResult, "", 5280, 3600, 975, 255, 240, Bg::kResult},
};

// Tab 5 of SSTabGen, "Misc Thickness".
constexpr ControlRow kThicknessPage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Label103", Kind::kCaption, "Sheet Metal Thickness", 1080, 2280, 1695, 255, 245, Bg::kDefault},
    {"Label107", Kind::kCaption, "Wire Gauge Thickness", 3480, 2280, 1815, 255, 247, Bg::kDefault},
    {"Combo1", Kind::kList, "Select Gauge", 1080, 2520, 1335, 315, 243, Bg::kDefault},
    {"Combo2", Kind::kList, "Select Gauge", 3480, 2520, 1335, 315, 246, Bg::kDefault},
    {"lblSteelGauge", Kind::kResult, "", 1080, 2880, 1095, 255, 244, Bg::kResult},
    {"lblWireGauge", Kind::kResult, "", 3480, 2880, 1095, 255, 248, Bg::kResult},
};

// Tab 0 of SSTab1, "Weight".
constexpr ControlRow kWeightPage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Label72", Kind::kCaption, "pound (lb)", 840, 1080, 1215, 255, 166, Bg::kDefault},
    {"Label73", Kind::kCaption, "kilogram (kg)", 2760, 1080, 1215, 255, 167, Bg::kDefault},
    {"txtlbwm", Kind::kField, "", 840, 1320, 1095, 285, 163, Bg::kDefault},
    {"Command17", Kind::kButton, "Calc", 2040, 1320, 615, 255, 165, Bg::kDefault},
    {"txtkgwm", Kind::kField, "", 2760, 1320, 1095, 285, 164, Bg::kDefault},
    {"Label74", Kind::kCaption, "ton, 2000 lb", 840, 1920, 1335, 255, 171, Bg::kDefault},
    {"Label75", Kind::kCaption, "kilogram (kg)", 2760, 1920, 1215, 255, 172, Bg::kDefault},
    {"txttonwm", Kind::kField, "", 840, 2160, 1095, 285, 168, Bg::kDefault},
    {"Command18", Kind::kButton, "Calc", 2040, 2160, 615, 255, 170, Bg::kDefault},
    {"txtkgwm2", Kind::kField, "", 2760, 2160, 1095, 285, 169, Bg::kDefault},
};

// Tab 1 of SSTab1, "Weight Per Length".
constexpr ControlRow kWeightPerLengthPage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Label78", Kind::kCaption, "kip per linear foot (klf)", 720, 1080, 1575, 255, 176,
     Bg::kDefault},
    {"Label79", Kind::kCaption, "kilogram per meter (kg/m)", 2640, 1080, 1815, 255, 177,
     Bg::kDefault},
    {"txtklf", Kind::kField, "", 720, 1320, 1095, 285, 173, Bg::kDefault},
    {"Command20", Kind::kButton, "Calc", 1920, 1320, 615, 255, 175, Bg::kDefault},
    {"txtkgm1", Kind::kField, "", 2640, 1320, 1095, 285, 174, Bg::kDefault},
    {"Label80", Kind::kCaption, "pound per linear foot (plf)", 720, 1920, 1935, 255, 181,
     Bg::kDefault},
    {"Label81", Kind::kCaption, "kilogram per meter (kg/m)", 2640, 1920, 1815, 255, 182,
     Bg::kDefault},
    {"txtplf", Kind::kField, "", 720, 2160, 1095, 285, 178, Bg::kDefault},
    {"Command21", Kind::kButton, "Calc", 1920, 2160, 615, 255, 180, Bg::kDefault},
    {"txtkgm2", Kind::kField, "", 2640, 2160, 1095, 285, 179, Bg::kDefault},
};

// Tab 2 of SSTab1, "Per Volume (Density)".
constexpr ControlRow kDensityPage[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"Label82", Kind::kCaption, "pound per cubic foot (pcf)", 120, 1080, 1935, 255, 186,
     Bg::kDefault},
    {"Label83", Kind::kCaption, "kg per cubicmeter (kg/cu m)", 2520, 1080, 2055, 255, 187,
     Bg::kDefault},
    {"txtpcf", Kind::kField, "", 120, 1320, 1095, 285, 183, Bg::kDefault},
    {"Command22", Kind::kButton, "Calc", 1560, 1320, 615, 255, 185, Bg::kDefault},
    {"txtkgcum1", Kind::kField, "", 2520, 1320, 1095, 285, 184, Bg::kDefault},
    {"Label84", Kind::kCaption, "pound per cubic yard (lb/cu yd)", 120, 1920, 2295, 255, 191,
     Bg::kDefault},
    {"Label85", Kind::kCaption, "kg per cubicmeter (kg/cu m)", 2520, 1920, 2055, 255, 192,
     Bg::kDefault},
    {"txtlbcuyd", Kind::kField, "", 120, 2160, 1095, 285, 188, Bg::kDefault},
    {"Command23", Kind::kButton, "Calc", 1560, 2160, 615, 255, 190, Bg::kDefault},
    {"txtkgcum2", Kind::kField, "", 2520, 2160, 1095, 285, 189, Bg::kDefault},
};

constexpr PageLayout kGeneralPages[] = {
    {"SSTabGen", 0, kLengthPage},      {"SSTabGen", 1, kVolumePage},
    {"SSTabGen", 2, kMassPage},        {"SSTabGen", 3, kAreaPage},
    {"SSTabGen", 4, kTemperaturePage}, {"SSTabGen", 5, kThicknessPage},
    {"SSTab1", 0, kWeightPage},        {"SSTab1", 1, kWeightPerLengthPage},
    {"SSTab1", 2, kDensityPage},
};

}  // namespace

std::span<const PageLayout> GeneralPages() { return kGeneralPages; }

}  // namespace tallies
