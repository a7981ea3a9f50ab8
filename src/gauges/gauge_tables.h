#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "gauges/gauge_row.h"

namespace tallies {

// Manufacturers' Standard Gauge thicknesses of sheet steel, gauges "3" to "38",
// thickest first: the entries of the sheet-metal list, in list order.
std::span<const GaugeRow> SheetMetalGaugeTable();

// American Wire Gauge diameters from "8/0" down to "56", thickest first: the
// entries of the wire list, in list order.
std::span<const GaugeRow> WireGaugeTable();

// The thickness text of the first row whose gauge text equals `gauge` exactly
// (whole string, case-sensitive, no trimming, no numeric reading); none when no
// row matches.
std::optional<std::string_view> FindGaugeThickness(std::span<const GaugeRow> table,
                                                   std::string_view gauge);

}  // namespace tallies
