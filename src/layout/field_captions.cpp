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
    // field, list or result, and its caption, page by page
    // clang-format off
    // the main window itself
    {"cboUnits", "lblUnits"},
    // the History window
    {"lstEntries", "lblEntries"}, {"txtEntry", "lblEntry"},
    // SSTabHyd tab 0
    {"lblHP", "Label5"}, {"txtGPM", "Label4"}, {"txtPSI", "lblPSI"},
    // SSTabHyd tab 1
    {"txtDIA", "Label7"}, {"lblArea", "Label6"}, {"txtArea1", "Label8"}, {"txtPSI1", "Label9"},
    {"lblForce", "Label12"}, {"txtArea2", "Label13"}, {"txtGPM1", "Label14"},
    {"lblCylSpeed", "Label10"},
    // SSTabHyd tab 2
    {"txtTorque", "Label11"}, {"txtHP2", "Label16"}, {"txtRPM", "Label17"},
    // SSTabHyd tab 3
    {"txtIDVel", "Label20"}, {"txtGPMVel", "Label21"}, {"lblVelocity", "Label22"},
    // SSTabHyd tab 4
    {"txtDispTor", "Label23"}, {"txtPSITor", "Label24"}, {"lblTorqueTor", "Label25"},
    // SSTabHyd tab 5
    {"txtTotalForce", "Label26"}, {"txtAngleAng", "Label27"}, {"lblForceAng", "Label29"},
    // SSTabHyd tab 6
    {"txtW", "Label34"}, {"txtD", "Label35"}, {"txtL", "Label36"}, {"txtRPMpump", "Label37"},
    {"lblGPMpump", "Label38"}, {"lblCIR", "Label39"},
    // SSTabGen tab 0
    {"txtin1", "Label40"}, {"txtmm1", "Label41"}, {"txtft", "Label47"}, {"txtm1", "Label46"},
    {"txtin2", "Label42"}, {"txtcm", "Label43"}, {"txtyd", "Label48"}, {"txtm2", "Label49"},
    {"txtin3", "Label44"}, {"txtm", "Label45"}, {"txtmi", "Label50"}, {"txtkm", "Label51"},
    // SSTabGen tab 1
    {"txtcuin", "Label52"}, {"txtcum1", "Label53"}, {"txt11", "Label65"}, {"txtgal1", "Label64"},
    {"txtcuft", "Label56"}, {"txtcum2", "Label57"}, {"txtgal2", "Label66"}, {"txtcum4", "Label67"},
    {"txtcuyd", "Label58"}, {"txtcum3", "Label59"}, {"txtl3", "Label69"}, {"txtgal3", "Label68"},
    {"txtfloz1", "Label60"}, {"txtml1", "Label61"}, {"txtgal4", "Label70"}, {"txtcum6", "Label71"},
    {"txtfloz2", "Label62"}, {"txtcum5", "Label63"},
    // SSTabGen tab 2
    // SSTabGen tab 3
    {"txtsqin", "Label88"}, {"txtsqm2", "Label89"}, {"txtac", "Label92"}, {"txtha", "Label93"},
    {"txtsqft", "Label86"}, {"txtsqm1", "Label87"}, {"txtsqyd", "Label90"}, {"txtsqm3", "Label91"},
    // SSTabGen tab 4
    {"txtFahrenheit1", "Label94"}, {"lblCelsius1", "Label98"}, {"txtCelsius1", "Label95"},
    {"lblFahrenheit1", "Label99"}, {"txtFahrenheit2", "Label100"}, {"lblKelvin1", "Label101"},
    {"txtKelvin1", "Label96"}, {"lblFahrenheit2", "Label102"}, {"txtCelsius2", "Label97"},
    {"lblKelvin2", "Label104"}, {"txtKelvin2", "Label105"}, {"lblCelsius2", "Label106"},
    // SSTabGen tab 5
    {"Combo1", "Label103"}, {"Combo2", "Label107"}, {"lblSteelGauge", "Label103"},
    {"lblWireGauge", "Label107"},
    // SSTab1 tab 0
    {"txtlbwm", "Label72"}, {"txtkgwm", "Label73"}, {"txttonwm", "Label74"},
    {"txtkgwm2", "Label75"},
    // SSTab1 tab 1
    {"txtklf", "Label78"}, {"txtkgm1", "Label79"}, {"txtplf", "Label80"}, {"txtkgm2", "Label81"},
    // SSTab1 tab 2
    {"txtpcf", "Label82"}, {"txtkgcum1", "Label83"}, {"txtlbcuyd", "Label84"},
    {"txtkgcum2", "Label85"},
    // clang-format on
};

}  // namespace

std::string_view CaptionOf(std::string_view control) {
  for (const CaptionLink& link : kCaptions) {
    if (link.control == control) return link.caption;
  }
  return {};
}

}  // namespace tallies
