#pragma once

#include <string>

#include "controls/controls.h"
#include "numeric/number_format.h"

namespace tallies {

// The display text of a hydraulic result: a Single with at most 7 significant
// digits and the user's decimal separator.
inline std::string ResultText(const Controls& form, float value) {
  return FormatSingle(value, form.DecimalSeparator());
}

}  // namespace tallies
