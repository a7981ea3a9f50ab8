#include "gauges/gauge_lists.h"

#include <array>
#include <span>
#include <string_view>

#include "gauges/gauge_tables.h"

namespace tallies {
namespace {

// Copies the stored thickness text of the list's current gauge into the label;
// each list consults only its own table and writes only its own label.
void ShowGauge(Controls& form, std::span<const GaugeRow> table, std::string_view list,
               std::string_view label) {
  if (const auto thickness = FindGaugeThickness(table, form.Text(list))) {
    form.SetCaption(label, *thickness);
  }
}

constexpr std::array<ButtonHandler, 2> kGaugeLists{{
    {"Combo1", &Combo1_Click},
    {"Combo2", &Combo2_Click},
}};

}  // namespace

void Combo1_Click(Controls& form) {
  ShowGauge(form, SheetMetalGaugeTable(), "Combo1", "lblSteelGauge");
}

void Combo2_Click(Controls& form) { ShowGauge(form, WireGaugeTable(), "Combo2", "lblWireGauge"); }

std::span<const ButtonHandler> GaugeLists() { return kGaugeLists; }

}  // namespace tallies
