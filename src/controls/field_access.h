#pragma once

#include <string_view>

#include "controls/controls.h"
#include "numeric/field_number.h"
#include "numeric/single.h"

namespace tallies {

// The value of a field as a Double, read by the leading-number rule with the
// regional decimal separator accepted.
inline double ReadDouble(const Controls& form, std::string_view control) {
  return ParseFieldNumber(form.Text(control), form.DecimalSeparator());
}

// The value of a field narrowed to Single at once; an input beyond the Single
// range is an overflow fault.
inline float ReadSingle(const Controls& form, std::string_view control) {
  return NarrowToSingle(ReadDouble(form, control));
}

}  // namespace tallies
