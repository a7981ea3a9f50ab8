#pragma once

#include <span>
#include <string_view>

#include "numeric/unit_system.h"

namespace tallies {

// A field's or result's caption in metric units, shown on its caption label (CaptionOf) when
// the window speaks metric.
struct MetricCaption {
  std::string_view control;  // the field, list or result
  std::string_view text;
};

// Every caption that changes with the units: the hydraulic view's fields and results and the
// gauge lists. Each fits the caption's designed rectangle in the window's font.
std::span<const MetricCaption> MetricCaptions();

// The text of the caption that names a control in that system: the metric one where it has
// one, else the designed caption (CaptionTextOf); empty for a control without a caption.
std::string_view CaptionTextOf(std::string_view control, UnitSystem system);

}  // namespace tallies
