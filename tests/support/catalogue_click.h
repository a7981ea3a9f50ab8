#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "controls/calculate.h"
#include "support/fake_controls.h"
#include "window/calculator_catalogue.h"

namespace tallies::testing {

// Clicks a Calc button (or chooses from a list) as the window does: the catalogue's
// calculator runs over the form. An ArithmeticFault leaves here, as the calculation threw it.
inline void ClickThroughCatalogue(FakeControls& form, std::string_view control) {
  const Calculator* calculator = CalculatorOf(control);
  if (calculator == nullptr) {
    ADD_FAILURE() << "no calculator for " << control;
    return;
  }
  Calculate(*calculator, form);
}

}  // namespace tallies::testing
