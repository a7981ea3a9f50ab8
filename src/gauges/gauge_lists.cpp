#include "gauges/gauge_lists.h"

#include <array>
#include <span>
#include <string_view>

#include "gauges/gauge_tables.h"

namespace tallies {
namespace {

// Copies the stored thickness text of the list's current gauge into the label;
// each list consults only its own table and writes only its own label.
void ShowGauge(Controls& form, std::string_view list, std::string_view label) {
  if (const auto thickness = FindGaugeThickness(GaugeTableOf(list), form.Text(list))) {
    form.SetCaption(label, *thickness);
  }
}

constexpr std::array<ButtonHandler, 2> kGaugeLists{{
    {"Combo1", &Combo1_Click},
    {"Combo2", &Combo2_Click},
}};

}  // namespace

void Combo1_Click(Controls& form) { ShowGauge(form, "Combo1", "lblSteelGauge"); }

void Combo2_Click(Controls& form) { ShowGauge(form, "Combo2", "lblWireGauge"); }

std::span<const ButtonHandler> GaugeLists() { return kGaugeLists; }

std::span<const GaugeRow> GaugeTableOf(std::string_view list) {
  if (list == "Combo1") return SheetMetalGaugeTable();
  if (list == "Combo2") return WireGaugeTable();
  return {};
}

}  // namespace tallies
