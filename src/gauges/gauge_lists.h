#pragma once

#include <span>
#include <string_view>

#include "controls/button_handler.h"
#include "controls/controls.h"
#include "gauges/gauge_row.h"

namespace tallies {

// The choice of an entry in the sheet-metal list: shows the thickness of the
// gauge in Combo1's text in lblSteelGauge. A text that is no gauge of the table
// leaves the label as it was.
void Combo1_Click(Controls& form);

// The same for the wire list: Combo2 into lblWireGauge.
void Combo2_Click(Controls& form);

// The two lists with their selection handlers, Combo1 and Combo2.
std::span<const ButtonHandler> GaugeLists();

// The table whose gauges a list offers, in list order: the sheet-metal gauges for Combo1, the
// wire gauges for Combo2; empty for any other control.
std::span<const GaugeRow> GaugeTableOf(std::string_view list);

}  // namespace tallies
